#include "app/ToolLinks.h"

#include "app/KdialogCommandLine.h"
#include "app/PickerApplication.h"
#include "app/Translations.h"
#include "runtime/ErrorLines.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <sys/stat.h>
#include <unistd.h>

namespace toollinks {

namespace {

constexpr std::pair<const char*, Tool> ToolNames[] = {
    {"zenity", Tool::Zenity}, {"yad", Tool::Yad}, {"kdialog", Tool::Kdialog}};

const char* NameOf(Tool tool)
{
    for (const auto& [name, named] : ToolNames)
        if (named == tool)
            return name;
    return "";
}

// The pickers a call has passed through on its way to the real tool, as "device.inode" words.
// Each adds its own before it hands the call on and skips every one listed, so that no PATH, with
// links to links or to several builds of the picker, sends a call round in a circle.
constexpr const char* PassedPickers = "DATEPICKER_PASSED_THROUGH";

std::string IdentityOf(const struct stat& status)
{
    return std::to_string(status.st_dev) + '.' + std::to_string(status.st_ino);
}

bool Lists(std::string_view words, std::string_view word)
{
    while (!words.empty()) {
        const size_t end = std::min(words.find(' '), words.size());
        if (words.substr(0, end) == word)
            return true;
        words.remove_prefix(std::min(end + 1, words.size()));
    }
    return false;
}

// The next program named `name` in PATH, from folder `from` on, that is none of the pickers in
// `passed`; empty when there is none. `from` moves past the folder it is in.
std::string NextInPath(std::string_view& from, const char* name, const std::string& passed)
{
    while (!from.empty()) {
        const size_t end = std::min(from.find(':'), from.size());
        const std::string folder(end == 0 ? std::string_view(".") : from.substr(0, end));
        from.remove_prefix(std::min(end + 1, from.size()));
        const std::string candidate = folder + '/' + name;
        struct stat status {};
        if (stat(candidate.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
            access(candidate.c_str(), X_OK) == 0 && !Lists(passed, IdentityOf(status)))
            return candidate;
    }
    return {};
}

int ReportMissing(Tool tool, int& argc, char** argv)
{
    const QCoreApplication application(argc, argv);
    app::DescribeApplication();
    translations::UseLanguage(QLocale::system());
    runtime::WriteErrorLines(
        QCoreApplication::translate("ToolLinks", "%1: %2 is not installed, so only its --calendar can be shown\n")
            .arg(QCoreApplication::applicationName(), QLatin1String(NameOf(tool)))
            .toLocal8Bit()
            .toStdString());
    return 127;
}

// Runs the tool itself in place of this process; returns only when there is none to run.
int PassThrough(Tool tool, int& argc, char** argv)
{
    std::string passed = std::getenv(PassedPickers) ? std::getenv(PassedPickers) : "";
    if (struct stat self {}; stat("/proc/self/exe", &self) == 0)
        passed += ' ' + IdentityOf(self);
    setenv(PassedPickers, passed.c_str(), 1);
    const char* path = std::getenv("PATH");
    std::string_view folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    // A program that cannot be run (a script without its interpreter) gives way to the next.
    for (std::string program; !(program = NextInPath(folders, NameOf(tool), passed)).empty();)
        execv(program.c_str(), argv);
    return ReportMissing(tool, argc, argv);
}

bool AsksForCalendar(Tool tool, int argc, char** argv)
{
    for (int at = 1; at < argc && std::strcmp(argv[at], "--") != 0; ++at)
        if (std::strcmp(argv[at], "--calendar") == 0 ||
            (tool == Tool::Kdialog && std::strncmp(argv[at], "--calendar=", 11) == 0))
            return true;
    return false;
}

// zenity's calendar as the picker's own, with yad's statuses: 252 for Escape and for closing the
// window, 70 for a timeout, which prints nothing.
app::CommandLine ParseYadCommandLine(const QStringList& arguments)
{
    app::CommandLine read = app::ParseCommandLine(arguments);
    read.options.ends = {.dismissed = 252, .timedOut = 70, .printsOnTimeout = false};
    return read;
}

} // namespace

std::optional<Tool> ToolNamed(const char* programPath)
{
    const char* slash = std::strrchr(programPath, '/');
    const char* name = slash ? slash + 1 : programPath;
    for (const auto& [toolName, tool] : ToolNames)
        if (std::strcmp(name, toolName) == 0)
            return tool;
    return std::nullopt;
}

int RunAs(Tool tool, int& argc, char** argv)
{
    if (!AsksForCalendar(tool, argc, argv))
        return PassThrough(tool, argc, argv);
    switch (tool) {
    case Tool::Yad:
        return StartPicker(argc, argv, {}, ParseYadCommandLine);
    case Tool::Kdialog:
        return StartPicker(argc, argv, {}, app::ParseKdialogCommandLine);
    case Tool::Zenity:
        break;
    }
    return StartPicker(argc, argv);
}

} // namespace toollinks
