#include "app/FontDescription.h"

#include <QStringList>

namespace app {
namespace {

// The words a description may give after the families, in any case.
bool IsStyleWord(const QString& word)
{
    static const QStringList words = {
        "normal",     "roman",      "oblique",         "italic",         "small-caps",     "all-small-caps",
        "petite-caps", "all-petite-caps", "unicase",   "title-caps",     "thin",           "ultra-light",
        "extra-light", "light",     "semi-light",      "demi-light",     "book",           "regular",
        "medium",     "semi-bold",  "demi-bold",       "bold",           "ultra-bold",     "extra-bold",
        "heavy",      "black",      "ultra-black",     "extra-black",    "ultra-heavy",    "ultra-condensed",
        "extra-condensed", "condensed", "semi-condensed", "semi-expanded", "expanded",      "extra-expanded",
        "ultra-expanded", "not-rotated", "south",      "upside-down",    "north",          "rotated-left",
        "east",       "rotated-right", "west",
    };
    return words.contains(word, Qt::CaseInsensitive);
}

// Sizes past these are no font a window can hold; such a size is left out.
constexpr double LargestPoints = 72;

} // namespace

FontDescription ParseFontDescription(const QString& text, double dotsPerInch)
{
    FontDescription font;
    QString rest = text.trimmed();
    // The size is the last word, when it is a number.
    const qsizetype lastSpace = rest.lastIndexOf(u' ');
    QString last = rest.mid(lastSpace + 1);
    const bool pixels = last.endsWith(QLatin1String("px"));
    if (pixels)
        last.chop(2);
    bool isNumber = false;
    const double size = last.toDouble(&isNumber);
    if (isNumber) {
        const double points = pixels ? size * 72.0 / dotsPerInch : size;
        if (points > 0 && points <= LargestPoints)
            font.Points = points;
        rest = lastSpace < 0 ? QString() : rest.left(lastSpace);
    }
    QStringList words = rest.split(u' ', Qt::SkipEmptyParts);
    while (!words.isEmpty() && IsStyleWord(words.last()))
        words.removeLast();
    const QString families = words.join(u' ');
    font.Family = families.section(u',', 0, 0).trimmed();
    return font;
}

} // namespace app
