#pragma once

#include "markup/TextLines.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>

/// How a block's placed text is drawn: each segment in its colour, and a link's underline, whose
/// place is found when the block is measured rather than at every paint.
namespace markup {

/// Finds where the underline of link `segment`, drawn in `font`, lies below the baseline and how
/// thick it is. Returns the least line height that holds it, 0 where any line does.
qreal PlaceUnderline(TextSegment& segment, const QFont& font, const QFontMetricsF& metrics, qreal ascent);

/// Draws `segment` from `baseline`: in its link's colour, or in `blockColour` outside a link, and
/// a link underlined.
void PaintSegment(QPainter& painter, QPointF baseline, const TextSegment& segment, const QColor& blockColour);

} // namespace markup
