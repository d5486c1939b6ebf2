#include "app/TimeLocale.h"

#include "app/LocaleCodeset.h"
#include "runtime/Locale.h"

#include <cstdlib>
#include <langinfo.h>
#include <vector>

#include <QStringDecoder>

namespace app {
namespace {

// A width such as %2000000000Y would ask for gigabytes; no conversion of a date needs a mebibyte.
constexpr size_t LongestConversion = size_t{1} << 20;

} // namespace

TimeLocale::TimeLocale()
{
    // The codeset belongs to LC_CTYPE: taken from the same locale, it is the one the names are in.
    locale_ = ::newlocale(LC_TIME_MASK | LC_CTYPE_MASK, runtime::TimeLocaleName().c_str(), nullptr);
    if (!locale_)
        locale_ = ::newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "C", nullptr);
    codeset_ = locale_ ? ::nl_langinfo_l(CODESET, locale_) : "ANSI_X3.4-1968";
}

TimeLocale::~TimeLocale()
{
    if (locale_)
        ::freelocale(locale_);
}

std::optional<QString> TimeLocale::Convert(const QByteArray& conversion, const std::tm& parts) const
{
    // strftime tells no error from an empty result; a leading space makes every result non-empty,
    // so that 0 means only that the room was too small.
    const QByteArray pattern = ' ' + conversion;
    for (size_t room = 256; room <= LongestConversion; room *= 16) {
        std::vector<char> text(room);
        const size_t length = locale_ ? ::strftime_l(text.data(), room, pattern.constData(), &parts, locale_)
                                      : std::strftime(text.data(), room, pattern.constData(), &parts);
        if (length > 0)
            return Decoded(text.data() + 1, length - 1);
    }
    return std::nullopt;
}

QString TimeLocale::Decoded(const char* bytes, size_t length) const { return FromCodeset(bytes, length, codeset_); }

QByteArray TimeLocale::Encoded(const QString& text) const { return ToCodeset(text, codeset_); }

QString TimeLocale::DecodedLine(const QByteArray& bytes) const
{
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    const QString text = fromUtf8(bytes);
    return fromUtf8.hasError() ? Decoded(bytes.constData(), static_cast<size_t>(bytes.size())) : text;
}

std::optional<std::pair<std::tm, qsizetype>> TimeLocale::ReadDate(const QString& text, const QString& format) const
{
    const QByteArray encoded = Encoded(text);
    const QByteArray pattern = Encoded(format);
    std::tm parts{};
    const char* rest = locale_ ? ::strptime_l(encoded.constData(), pattern.constData(), &parts, locale_)
                               : ::strptime(encoded.constData(), pattern.constData(), &parts);
    if (!rest)
        return std::nullopt;
    const auto taken = static_cast<size_t>(rest - encoded.constData());
    return std::pair{parts, Decoded(encoded.constData(), taken).size()};
}

} // namespace app
