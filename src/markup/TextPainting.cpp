#include "markup/TextPainting.h"

#include "markup/Colours.h"
#include "markup/Inlines.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace markup {
namespace {

const QColor DefaultLinkColour(0, 102, 204);

// Latin, Greek and Cyrillic descenders are drawn to be crossed by an underline; the tails, dots
// and strokes of other scripts (Arabic, Hebrew, Hangul, Han, ...) are not.
bool UnderlinePassesBelowTheInk(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar character) {
        switch (character.script()) {
        case QChar::Script_Common:
        case QChar::Script_Inherited:
        case QChar::Script_Latin:
        case QChar::Script_Greek:
        case QChar::Script_Cyrillic: return false;
        default: return true;
        }
    });
}

void PaintUnderline(QPainter& painter, QPointF baseline, const TextSegment& segment, const QColor& colour)
{
    painter.setPen(QPen(colour, segment.UnderlineThickness, Qt::SolidLine, Qt::FlatCap));
    const qreal y = baseline.y() + segment.UnderlineBelow;
    painter.drawLine(QLineF(std::floor(baseline.x()), y, std::floor(baseline.x() + segment.Width), y));
}

} // namespace

// A link's underline lies where the fonts that draw its glyphs put theirs: the lowest of them,
// and as thick as the thickest. A font that stands in for letters the block's font lacks
// (Chinese, Japanese, Korean) may reach further below the baseline than the block's font, whose
// underline would then run into its glyphs. The line is placed as Qt places its own. In a script
// whose letters must not be crossed it passes a clear pixel below their lowest ink, and the line
// grows to hold it.
qreal PlaceUnderline(TextSegment& segment, const QFont& font, const QFontMetricsF& metrics, qreal ascent)
{
    qreal offset = metrics.underlinePos();
    qreal thickness = metrics.lineWidth();
    qreal inkBelow = 0;
    QTextLayout layout(segment.Text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont runFont = run.rawFont();
        offset = std::max(offset, runFont.underlinePosition());
        thickness = std::max(thickness, runFont.lineThickness());
        for (const quint32 glyph : run.glyphIndexes())
            inkBelow = std::max(inkBelow, runFont.boundingRect(glyph).bottom());
    }
    // Kept off the glyphs above it by rounding down, and within the descent.
    qreal below = std::ceil(offset) + 0.5;
    if (offset <= metrics.descent())
        below = std::min(below, metrics.descent() - 0.5);
    qreal lineHeight = 0;
    if (UnderlinePassesBelowTheInk(segment.Text)) {
        below = std::max(below, std::ceil(inkBelow) + 1 + std::ceil(thickness) / 2);
        lineHeight = std::ceil(ascent + below + thickness / 2);
    }
    segment.UnderlineBelow = below;
    segment.UnderlineThickness = thickness;
    return lineHeight;
}

void PaintSegment(QPainter& painter, QPointF baseline, const TextSegment& segment, const QColor& blockColour)
{
    const QColor colour = !segment.Link                ? blockColour
                          : segment.Link->Foreground() ? BrushColour(segment.Link->Foreground()->Color())
                                                       : DefaultLinkColour;
    painter.setPen(colour);
    painter.drawText(baseline, segment.Text);
    if (segment.Link)
        PaintUnderline(painter, baseline, segment, colour);
}

} // namespace markup
