#pragma once

#include <QByteArray>
#include <QString>

#include <ctime>
#include <locale.h>
#include <optional>
#include <string>

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

private:
    QString Decoded(const char* bytes, size_t length) const;

    locale_t locale_ = nullptr;
    std::string codeset_;
};

} // namespace app
