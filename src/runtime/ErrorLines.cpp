#include "runtime/ErrorLines.h"

#include <atomic>
#include <cerrno>
#include <string>
#include <unistd.h>

namespace runtime {
namespace {

// Whether the last text written ended within a line. Qt's threads may write too.
std::atomic<bool>& LineOpen()
{
    static std::atomic<bool> open{false};
    return open;
}

void WriteAll(std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = ::write(STDERR_FILENO, text.data(), text.size());
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

} // namespace runtime
