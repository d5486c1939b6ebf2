#include "app/OptionValues.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace app {

OptionValues::OptionValues(const QCommandLineParser& parser) : parser_(parser) { }

bool OptionValues::IsSet(const char* name) const { return parser_.isSet(QString::fromLatin1(name)); }

QString OptionValues::Value(const char* name) const { return parser_.value(QString::fromLatin1(name)); }

QStringList OptionValues::Values(const char* name) const { return parser_.values(QString::fromLatin1(name)); }

std::optional<int> OptionValues::ReadCount(const char* name) const
{
    const std::optional<int> value = ReadInteger(name);
    return value && *value > 0 ? value : std::nullopt;
}

std::optional<int> OptionValues::ReadInteger(const char* name) const
{
    bool isNumber = false;
    const int value = Value(name).toInt(&isNumber);
    return isNumber ? std::optional<int>(value) : std::nullopt;
}

QString OptionValues::NotACount(const char* name) const
{
    return QCoreApplication::translate("CommandLine", "--%1 \"%2\" is not a whole number from 1 up")
        .arg(QLatin1String(name), Value(name));
}

QString OptionValues::NotAnInteger(const char* name) const
{
    return QCoreApplication::translate("CommandLine", "--%1 \"%2\" is not a whole number")
        .arg(QLatin1String(name), Value(name));
}

QString OptionValues::NotOneOf(const char* name, const QString& choices) const
{
    return QCoreApplication::translate("CommandLine", "--%1 \"%2\" is not one of %3")
        .arg(QLatin1String(name), Value(name), choices);
}

} // namespace app
