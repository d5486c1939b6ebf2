#include "app/TimeLocale.h"

#include <cstdint>
#include <cstdlib>
#include <iconv.h>
#include <langinfo.h>
#include <vector>

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

} // namespace app
