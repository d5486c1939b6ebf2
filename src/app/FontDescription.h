#pragma once

#include <QString>

namespace app {

/// What a font description asks for: "Sans Bold 12", "Monospace 10", "DejaVu Serif, 9".
struct FontDescription {
    /// The first family named; empty when none is.
    QString Family;
    /// The size in points; 0 when none is given.
    double Points = 0;
};

/// Reads a font description as Pango writes one: a list of families, words of style (Bold,
/// Italic, Condensed, ...), and a size in points, or in pixels with "px". Words of style are
/// recognised so that they are not taken for a family's name; the window uses only the family
/// and the size. A pixel size becomes points at `dotsPerInch`.
FontDescription ParseFontDescription(const QString& text, double dotsPerInch);

} // namespace app
