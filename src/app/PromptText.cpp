#include "app/PromptText.h"

#include <QRegularExpression>

namespace app {
namespace {

// Backslash escapes as shells leave them in a quoted argument: \n and \t, and \\ for a backslash.
QString WithEscapesDecoded(const QString& text)
{
    // A --details file passes every line through here.
    if (!text.contains(u'\\'))
        return text;
    QString decoded;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar next = at + 1 < text.size() ? text[at + 1] : QChar();
        if (text[at] == u'\\' && (next == u'n' || next == u't' || next == u'\\')) {
            decoded += next == u'n' ? u'\n' : next == u't' ? u'\t' : u'\\';
            ++at;
        } else {
            decoded += text[at];
        }
    }
    return decoded;
}

QString Entity(const QString& name)
{
    if (name == u"amp")
        return QStringLiteral("&");
    if (name == u"lt")
        return QStringLiteral("<");
    if (name == u"gt")
        return QStringLiteral(">");
    if (name == u"quot")
        return QStringLiteral("\"");
    if (name == u"apos")
        return QStringLiteral("'");
    bool isNumber = false;
    const uint code = name.startsWith(u"#x") ? name.mid(2).toUInt(&isNumber, 16) : name.mid(1).toUInt(&isNumber, 10);
    if (const char32_t character = code; name.startsWith(u'#') && isNumber && code > 0 && code <= 0x10FFFF)
        return QString::fromUcs4(&character, 1);
    return QStringLiteral("&%1;").arg(name);
}

QString WithoutMarkup(const QString& text)
{
    // Only what is a tag: <name>, <name attribute="value" ...>, </name> and <name/>. Any other
    // < is text, as it is to Pango's own parser ("a < b and c > d").
    static const QRegularExpression tag(QStringLiteral(
        R"(<(?:[A-Za-z_][\w.:-]*(?:\s+[A-Za-z_][\w.:-]*\s*=\s*(?:"[^"]*"|'[^']*'))*\s*/?|/[A-Za-z_][\w.:-]*\s*)>)"));
    static const QRegularExpression entity(QStringLiteral("&(#?[A-Za-z0-9]+);"));
    if (!text.contains(u'<') && !text.contains(u'&'))
        return text;
    QString plain = QString(text).remove(tag);
    if (!plain.contains(u'&'))
        return plain;
    QString decoded;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : entity.globalMatch(plain)) {
        decoded += plain.mid(from, match.capturedStart() - from) + Entity(match.captured(1));
        from = match.capturedEnd();
    }
    return decoded + plain.mid(from);
}

} // namespace

QString PromptText(const QString& text, TextMarkup markup)
{
    const QString decoded = WithEscapesDecoded(text);
    return markup == TextMarkup::Pango ? WithoutMarkup(decoded) : decoded;
}

} // namespace app
