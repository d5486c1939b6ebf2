#include "app/LocaleCodeset.h"

#include <cstdint>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#include <vector>

namespace app {
namespace {

bool IsUtf8(const std::string& codeset) { return codeset == "UTF-8" || codeset == "utf8"; }

QString AsUtf8(const char* bytes, size_t length) { return QString::fromUtf8(bytes, static_cast<qsizetype>(length)); }

} // namespace

QString FromCodeset(const char* bytes, size_t length, const std::string& codeset)
{
    if (length == 0 || IsUtf8(codeset))
        return AsUtf8(bytes, length);
    const iconv_t toUtf8 = ::iconv_open("UTF-8", codeset.c_str());
    if (toUtf8 == reinterpret_cast<iconv_t>(static_cast<intptr_t>(-1)))
        return AsUtf8(bytes, length);
    // No codeset needs more than four UTF-8 bytes for one of its bytes.
    std::vector<char> utf8(length * 4);
    char* in = const_cast<char*>(bytes);
    size_t inLeft = length;
    char* out = utf8.data();
    size_t outLeft = utf8.size();
    const size_t converted = ::iconv(toUtf8, &in, &inLeft, &out, &outLeft);
    ::iconv_close(toUtf8);
    if (converted == static_cast<size_t>(-1))
        return AsUtf8(bytes, length);
    return AsUtf8(utf8.data(), utf8.size() - outLeft);
}

QByteArray ToCodeset(const QString& text, const std::string& codeset)
{
    const QByteArray utf8 = text.toUtf8();
    if (utf8.isEmpty() || IsUtf8(codeset))
        return utf8;
    const iconv_t fromUtf8 = ::iconv_open(codeset.c_str(), "UTF-8");
    if (fromUtf8 == reinterpret_cast<iconv_t>(static_cast<intptr_t>(-1)))
        return utf8;
    // No codeset needs more bytes for a character than UTF-8 does, give or take a shift state.
    std::vector<char> encoded(static_cast<size_t>(utf8.size()) * 2 + 8);
    char* in = const_cast<char*>(utf8.constData());
    size_t inLeft = static_cast<size_t>(utf8.size());
    char* out = encoded.data();
    size_t outLeft = encoded.size();
    ::iconv(fromUtf8, &in, &inLeft, &out, &outLeft);
    ::iconv_close(fromUtf8);
    return QByteArray(encoded.data(), static_cast<qsizetype>(encoded.size() - outLeft));
}

QString SystemErrorText(int number)
{
    // strerror writes in the codeset of LC_CTYPE, which the application object set from the
    // user's locale.
    const char* text = std::strerror(number);
    return FromCodeset(text, std::strlen(text), ::nl_langinfo(CODESET));
}

} // namespace app
