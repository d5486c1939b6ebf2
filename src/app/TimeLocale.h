#pragma once

#include <QByteArray>
#include <QString>

#include <ctime>
#include <locale.h>
#include <optional>
#include <string>
#include <utility>

namespace app {

/// The user's LC_TIME as the C library knows it: strftime's conversions in it, and their bytes
/// read in the codeset the locale writes them in (ISO-8859-1 for de_DE.ISO-8859-1, ...).
class TimeLocale {
public:
    /// The locale that LC_ALL, LC_TIME or LANG names, in this order; "C" when none is installed.
    TimeLocale();
    ~TimeLocale();
    TimeLocale(const TimeLocale&) = delete;
    TimeLocale& operator=(const TimeLocale&) = delete;

    /// The text of one strftime conversion (such as "%B" or "%-d") for `parts`, or nothing when
    /// it is longer than any printed date should be.
    std::optional<QString> Convert(const QByteArray& conversion, const std::tm& parts) const;

    /// Reads a date written in the strftime `format` at the start of `text`, as strptime reads it
    /// in this locale, whatever its codeset. Gives the date's parts and how many characters of
    /// `text` it took, or nothing when `text` does not begin with such a date.
    std::optional<std::pair<std::tm, qsizetype>> ReadDate(const QString& text, const QString& format) const;
    /// `bytes` read as UTF-8 when they are valid UTF-8, as the picker writes, else in the
    /// locale's codeset.
    QString DecodedLine(const QByteArray& bytes) const;

private:
    QString Decoded(const char* bytes, size_t length) const;
    // As much of the start of `text` as the codeset can write.
    QByteArray Encoded(const QString& text) const;

    locale_t locale_ = nullptr;
    std::string codeset_;
};

} // namespace app
