// Any bytes as a --details file, read in a UTF-8 or an ISO-8859-1 locale in one of a few date
// formats, through the command line to a loaded window that starts on the first described day:
// every described day is one of the calendar's with a description, and the window shows one
// date everywhere.

#include "fuzz/FuzzWindow.h"

#include "date/SliderValues.h"
#include "support/PickedMoment.h"
#include "support/PickerInvariants.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <unistd.h>

namespace {

constexpr const char* Languages[] = {"de_DE.utf8", "de_DE.iso88591"};
constexpr const char* Formats[] = {"%x", "%Y-%m-%d", "%A %d %B %Y", "%d %b %Y", "%e. %B", "%s"};

void Fail(const std::string& problem)
{
    std::fprintf(stderr, "--details: %s\n", problem.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzWindow::Get();
    const uint32_t choice = TakeBytes(data, size, 1);
    qputenv("LC_ALL", Languages[choice % std::size(Languages)]);
    static const QString path = QStringLiteral("/tmp/fuzz-details-%1").arg(getpid());
    static const int removedAtExit = std::atexit([] { QFile::remove(path); });
    (void)removedAtExit;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
        Fail("the file could not be written");
    file.close();
    QStringList arguments{QStringLiteral("datepicker"), QStringLiteral("--details"), path,
                          QStringLiteral("--date-format"), QString::fromLatin1(Formats[choice / 2 % std::size(Formats)])};
    const app::CommandLine read = app::ParseCommandLine(arguments);
    if (read.outcome != app::CommandLineOutcome::Run)
        Fail("refused: " + read.text.toStdString());
    const slider::DateRange calendar = slider::SelectableYears();
    for (const auto& [day, description] : read.options.details)
        if (day < calendar.First || calendar.Last < day || description.trimmed().isEmpty())
            Fail(day.IsoText() + " is described as \"" + description.toStdString() + "\"");
    if (!read.options.details.empty())
        arguments << QStringLiteral("--date") << QString::fromStdString(read.options.details.begin()->first.IsoText());
    const StartedPicker started = StartFromCommandLine(arguments);
    if (!started.Problem.empty())
        Fail(started.Problem);
    if (const std::string problem = PickerInconsistency(*started.Form); !problem.empty())
        Fail(problem);
    return 0;
}
