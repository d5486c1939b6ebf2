#include "runtime/ErrorLines.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

#ifdef __has_feature
#if __has_feature(address_sanitizer)
#define DATEPICKER_SANITIZED
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) && !defined(DATEPICKER_SANITIZED)
#define DATEPICKER_SANITIZED
#endif
#ifdef DATEPICKER_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

namespace runtime {
namespace {

// Whether the last text written ended within a line. Qt's threads may write too.
std::atomic<bool>& LineOpen()
{
    static std::atomic<bool> open{false};
    return open;
}

// Where the picker's own lines go: standard error, kept under another number once file
// descriptor 2 leads nowhere.
std::atomic<int>& OwnLines()
{
    static std::atomic<int> descriptor{STDERR_FILENO};
    return descriptor;
}

void WriteAll(std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = ::write(OwnLines(), text.data(), text.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        text.remove_prefix(static_cast<size_t>(written));
    }
}

} // namespace

void WriteErrorLines(std::string_view lines)
{
    if (lines.empty())
        return;
    std::string text = LineOpen().exchange(false) ? "\n" : "";
    text += lines;
    if (text.back() != '\n')
        text += '\n';
    WriteAll(text);
}

void WriteErrorText(std::string_view text)
{
    if (text.empty())
        return;
    WriteAll(text);
    LineOpen() = text.back() != '\n';
}

void KeepStandardErrorForOwnLines()
{
    if (OwnLines() != STDERR_FILENO)
        return;
    const int own = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (own >= 0 && nowhere >= 0 && ::dup2(nowhere, STDERR_FILENO) == STDERR_FILENO) {
        OwnLines() = own;
#ifdef DATEPICKER_SANITIZED
        // A sanitizer's report is no library's complaint: it is what a test must show.
        __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<intptr_t>(own)));
#endif
    } else if (own >= 0) {
        ::close(own);
    }
    if (nowhere >= 0)
        ::close(nowhere);
}

void WithStandardErrorInherited(const std::function<void()>& start)
{
    const int own = OwnLines();
    const int nowhere = own == STDERR_FILENO ? -1 : ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    if (nowhere >= 0)
        ::dup2(own, STDERR_FILENO);
    start();
    if (nowhere >= 0) {
        ::dup2(nowhere, STDERR_FILENO);
        ::close(nowhere);
    }
}

} // namespace runtime
