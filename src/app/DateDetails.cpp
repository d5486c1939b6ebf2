#include "app/DateDetails.h"

#include "app/PromptText.h"
#include "date/SliderValues.h"

#include <QFile>

#include <cerrno>
#include <clocale>
#include <ctime>
#include <optional>

namespace app {
namespace {

struct DescribedDay {
    runtime::Date Day;
    QString Description;
};

std::optional<DescribedDay> ReadLine(const QByteArray& line, const QByteArray& format)
{
    std::tm parts{};
    const char* rest = ::strptime(line.constData(), format.constData(), &parts);
    if (!rest)
        return std::nullopt;
    const std::optional<runtime::Date> day =
        slider::SelectableDate(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday);
    const QString description = PromptText(QString::fromUtf8(rest).trimmed(), TextMarkup::Pango).trimmed();
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        problem = file.errorString();
        return {};
    }
    // The month and weekday names of the user's LC_TIME, as the dates are printed.
    std::setlocale(LC_TIME, "");
    const QByteArray pattern = format.toLocal8Bit();
    std::map<runtime::Date, QString> details;
    while (!file.atEnd()) {
        const std::optional<DescribedDay> line = ReadLine(file.readLine().trimmed(), pattern);
        if (!line)
            continue;
        QString& description = details[line->Day];
        description += (description.isEmpty() ? QString() : QStringLiteral("\n")) + line->Description;
    }
    if (file.error() != QFileDevice::NoError)
        problem = file.errorString();
    return details;
}

} // namespace app
