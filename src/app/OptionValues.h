#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;

namespace app {

/// The values of the picker's options as the parser read them, with the readings of a number
/// that several options share and the refusals that go with them. Names are long names without
/// dashes ("minute-step").
class OptionValues {
public:
    /// Reads from `parser`, which must outlive this.
    explicit OptionValues(const QCommandLineParser& parser);

    /// Whether the option was given.
    bool IsSet(const char* name) const;
    /// The option's last value, or an empty text.
    QString Value(const char* name) const;
    /// Every value the option was given, in order.
    QStringList Values(const char* name) const;

    /// A whole number from 1 up, or nothing.
    std::optional<int> ReadCount(const char* name) const;
    /// A whole number of either sign, or nothing.
    std::optional<int> ReadInteger(const char* name) const;

    /// The refusal of a value that is no whole number from 1 up.
    QString NotACount(const char* name) const;
    /// The refusal of a value that is no whole number.
    QString NotAnInteger(const char* name) const;
    /// The refusal of a value that is none of `choices`.
    QString NotOneOf(const char* name, const QString& choices) const;

private:
    const QCommandLineParser& parser_;
};

} // namespace app
