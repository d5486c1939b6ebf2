#include "app/TimeLocale.h"

#include <cstdint>
#include <cstdlib>
#include <iconv.h>
#include <langinfo.h>
#include <vector>

#include <QStringDecoder>

namespace app {
namespace {

// A width such as %2000000000Y would ask for gigabytes; no conversion of a date needs a mebibyte.
constexpr size_t LongestConversion = size_t{1} << 20;

// The locale's name as the C library looks it up for LC_TIME.
const char* TimeLocaleName()
{
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"})
        if (const char* name = std::getenv(variable); name && *name)
            return name;
    return "C";
}

bool IsUtf8(const std::string& codeset) { return codeset == "UTF-8" || codeset == "utf8"; }

} // namespace

TimeLocale::TimeLocale()
{
    // The codeset belongs to LC_CTYPE: taken from the same locale, it is the one the names are in.
    locale_ = ::newlocale(LC_TIME_MASK | LC_CTYPE_MASK, TimeLocaleName(), nullptr);
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

QString TimeLocale::Decoded(const char* bytes, size_t length) const
{
    if (length == 0 || IsUtf8(codeset_))
        return QString::fromUtf8(bytes, static_cast<qsizetype>(length));
    const iconv_t toUtf8 = ::iconv_open("UTF-8", codeset_.c_str());
    if (toUtf8 == reinterpret_cast<iconv_t>(static_cast<intptr_t>(-1)))
        return QString::fromUtf8(bytes, static_cast<qsizetype>(length));
    // No codeset needs more than four UTF-8 bytes for one of its bytes.
    std::vector<char> utf8(length * 4);
    char* in = const_cast<char*>(bytes);
    size_t inLeft = length;
    char* out = utf8.data();
    size_t outLeft = utf8.size();
    const size_t converted = ::iconv(toUtf8, &in, &inLeft, &out, &outLeft);
    ::iconv_close(toUtf8);
    if (converted == static_cast<size_t>(-1))
        return QString::fromUtf8(bytes, static_cast<qsizetype>(length));
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size() - outLeft));
}

QByteArray TimeLocale::Encoded(const QString& text) const
{
    const QByteArray utf8 = text.toUtf8();
    if (utf8.isEmpty() || IsUtf8(codeset_))
        return utf8;
    const iconv_t fromUtf8 = ::iconv_open(codeset_.c_str(), "UTF-8");
    if (fromUtf8 == reinterpret_cast<iconv_t>(static_cast<intptr_t>(-1)))
        return utf8;
    // No codeset needs more bytes for a character than UTF-8 does, give or take a shift state.
    std::vector<char> encoded(static_cast<size_t>(utf8.size()) * 2 + 8);
    char* in = const_cast<char*>(utf8.constData());
    size_t inLeft = static_cast<size_t>(utf8.size());
    char* out = encoded.data();
    size_t outLeft = encoded.size();
    // A character the codeset cannot write ends what can be matched; what came before stays.
    ::iconv(fromUtf8, &in, &inLeft, &out, &outLeft);
    ::iconv_close(fromUtf8);
    return QByteArray(encoded.data(), static_cast<qsizetype>(encoded.size() - outLeft));
}

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
