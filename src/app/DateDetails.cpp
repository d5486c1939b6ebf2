#include "app/DateDetails.h"

#include "app/PromptText.h"
#include "app/TimeLocale.h"
#include "date/SliderValues.h"

#include <QFile>

#include <cerrno>
#include <ctime>
#include <optional>

namespace app {
namespace {

struct DescribedDay {
    runtime::Date Day;
    QString Description;
};

// The line is decoded once, as a whole, and its date read from the text as the picker prints it.
std::optional<DescribedDay> ReadLine(const QString& line, const QString& format, const TimeLocale& locale)
{
    const auto date = locale.ReadDate(line, format);
    if (!date)
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        problem = file.errorString();
        return {};
    }
    // The month and weekday names of the user's LC_TIME, as the dates are printed.
    const TimeLocale locale;
    std::map<runtime::Date, QString> details;
    while (!file.atEnd()) {
        const std::optional<DescribedDay> line =
            ReadLine(locale.DecodedLine(file.readLine().trimmed()), format, locale);
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
