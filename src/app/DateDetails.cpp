#include "app/DateDetails.h"

#include "app/PromptText.h"
#include "app/TimeLocale.h"
#include "date/SliderValues.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>
#include <ctime>
#include <optional>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace app {
namespace {

// The file is read before the window opens, so a pipe whose writer never comes or a device that
// never ends must not hold the window, or a --timeout, up: it gets a second and 64 MiB, room for
// a line on each of nearly a million days.
constexpr int ReadMilliseconds = 1000;
constexpr qsizetype LargestFileMiB = 64;
// No line of the note is wider than the frame, so a longer line is cut before its markup is read
// and laid out: one unbroken word of megabytes would otherwise hold the window up for minutes.
constexpr qsizetype LongestLine = 500;

// `line` at most LongestLine characters long, with an ellipsis where it was cut.
QString CutLine(QString line)
{
    if (line.size() <= LongestLine)
        return line;
    const qsizetype kept = line.at(LongestLine - 1).isHighSurrogate() ? LongestLine - 1 : LongestLine;
    return line.left(kept) + QChar(0x2026);
}

// The whole of the file, or nothing with the reason in `problem`. Opened without blocking: a
// FIFO with no writer would otherwise keep open() waiting for one.
std::optional<QByteArray> ReadWhole(const QString& path, QString& problem)
{
    const int file = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) {
        problem = qt_error_string(errno);
        return std::nullopt;
    }
    const QDeadlineTimer deadline(ReadMilliseconds);
    QByteArray bytes;
    char chunk[65536];
    while (problem.isEmpty()) {
        pollfd readable{file, POLLIN, 0};
        const int ready = ::poll(&readable, 1, static_cast<int>(deadline.remainingTime()));
        const ssize_t got = ready > 0 ? ::read(file, chunk, sizeof chunk) : -1;
        if (got == 0) {
            ::close(file);
            return bytes;
        }
        if (ready == 0 || deadline.hasExpired())
            problem = QCoreApplication::translate("CommandLine", "it did not end within a second");
        else if (got < 0 && errno != EINTR && errno != EAGAIN)
            problem = qt_error_string(errno);
        else if (got > 0 && bytes.size() + got > LargestFileMiB * 1024 * 1024)
            problem = QCoreApplication::translate("CommandLine", "it is larger than %1 MiB").arg(LargestFileMiB);
        else if (got > 0)
            bytes.append(chunk, got);
    }
    ::close(file);
    return std::nullopt;
}

struct DescribedDay {
    runtime::Date Day;
    QString Description;
};

// The line is decoded once, as a whole, and its date read from the text as the picker prints it.
std::optional<DescribedDay> ReadLine(const QString& line, const QString& format, const TimeLocale& locale)
{
    // The date ends where a space begins: "2026-06-012" or "2026-06-01x" names no date.
    const auto date = locale.ReadDate(line, format);
    if (!date || date->second >= line.size() || !line[date->second].isSpace())
        return std::nullopt;
    const std::tm& parts = date->first;
    const std::optional<runtime::Date> day =
        slider::SelectableDate(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday);
    const QString description = PromptText(line.mid(date->second).trimmed(), TextMarkup::Pango).trimmed();
    if (!day || description.isEmpty())
        return std::nullopt;
    return DescribedDay{*day, description};
}

} // namespace

std::map<runtime::Date, QString> ReadDateDetails(const QString& path, const QString& format, QString& problem)
{
    // Qt warns of an empty name on standard error before it fails; what it says of a missing file
    // makes the one line instead.
    if (path.isEmpty()) {
        problem = qt_error_string(ENOENT);
        return {};
    }
    const std::optional<QByteArray> bytes = ReadWhole(path, problem);
    if (!bytes)
        return {};
    // The month and weekday names of the user's LC_TIME, as the dates are printed.
    const TimeLocale locale;
    std::map<runtime::Date, QString> details;
    for (qsizetype start = 0; start < bytes->size();) {
        const qsizetype end = bytes->indexOf('\n', start) < 0 ? bytes->size() : bytes->indexOf('\n', start);
        const QByteArray text = bytes->sliced(start, end - start).trimmed();
        start = end + 1;
        const std::optional<DescribedDay> line = ReadLine(CutLine(locale.DecodedLine(text)), format, locale);
        if (!line)
            continue;
        QString& description = details[line->Day];
        description += (description.isEmpty() ? QString() : QStringLiteral("\n")) + line->Description;
    }
    return details;
}

} // namespace app
