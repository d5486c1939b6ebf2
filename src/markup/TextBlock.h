#pragma once

#include "markup/ElementCollection.h"
#include "markup/SolidColorBrush.h"
#include "markup/TextLines.h"

#include <QString>

namespace markup {

/// Text in the block's font: its own Text, or a list of Runs and Hyperlinks. A newline starts a
/// new line; with TextWrapping 1 a word that would pass the block's width starts one too.
class TextBlock : public Element {
public:
    TextBlock();
    std::string_view Tag() const override { return "TextBlock"; }

    /// Size in pixels; 0 takes the label's font size.
    float FontSize() const { return fontSize_; }
    void SetFontSize(float pixels);
    int32_t FontWeight() const { return fontWeight_; }
    void SetFontWeight(int32_t weight);
    /// The family name set on this block; empty takes the label's font.
    const std::string& FontFamily() const { return fontFamily_; }
    void SetFontFamily(std::string family);
    const ThicknessPtr& Padding() const { return padding_; }
    void SetPadding(ThicknessPtr padding);
    const SolidColorBrushPtr& Foreground() const { return foreground_; }
    void SetForeground(SolidColorBrushPtr brush);
    int32_t TextWrapping() const { return textWrapping_; }
    /// Error 5 for a code other than NoWrap and Wrap.
    void SetTextWrapping(int32_t wrapping);
    /// Where each line sits in the block's width: AlignStart (the default), AlignCentre or AlignEnd;
    /// error 5 for another code.
    int32_t TextAlignment() const { return textAlignment_; }
    void SetTextAlignment(int32_t alignment);
    /// The most lines the block shows, 0 for all; error 5 below 0. A wrapping block whose text
    /// goes on ends its last line with an ellipsis, and cuts any line too wide for it the same way,
    /// without laying out the rest.
    int32_t MaxLines() const { return maxLines_; }
    void SetMaxLines(int32_t lines);
    /// Whether the last layout left text out for MaxLines or the width.
    bool IsCut() const { return lines_.Cut; }
    /// The text shown when the block has no inlines.
    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    /// Runs and Hyperlinks; other kinds are refused with error 13.
    ElementCollection& Inlines() { return inlines_; }
    const ElementCollection& Inlines() const { return inlines_; }

    void ForEachChild(const std::function<void(const ElementPtr&)>& visit) const override;
    /// The font the block is drawn in, given the label's defaults.
    QFont EffectiveFont(const TextDefaults& defaults) const;
    /// The font of the last measure, in which the block is painted.
    const QFont& MeasuredFont() const { return font_; }

protected:
    QSizeF MeasureContent(QSizeF available, const TextDefaults& defaults) override;
    void ArrangeContent(const QRectF& box) override;
    void PaintContent(QPainter& painter, const TextDefaults& defaults) const override;
    bool HitsSelf(QPointF point) const override;

private:
    // The block's own text, or its runs, as one segment each, before they are broken into lines.
    std::vector<TextSegment> CollectSegments() const;
    // The part of the block's box inside its padding.
    QRectF ContentBox(const QRectF& box) const;
    // Where a segment lies in the content box: lines start at its left edge, or at its right
    // edge right to left.
    QRectF PlaceOf(const TextSegment& segment, const QRectF& content) const;
    // Moves each line within the content's width for the block's alignment.
    void AlignLines(qreal contentWidth);
    // Gives each run and link the place of its text, for hit testing.
    void ArrangeInlines(const QRectF& content);

    float fontSize_ = 0;
    int32_t fontWeight_ = 400;
    int32_t textWrapping_ = NoWrap;
    std::string fontFamily_;
    ThicknessPtr padding_;
    SolidColorBrushPtr foreground_;
    std::string text_;
    ElementCollection inlines_;
    BrokenLines lines_; // the text as last measured, on its lines
    QFont font_; // as measured, and so as painted
    qreal ascent_ = 0;
    qreal lineHeight_ = 0;
    qreal lineSpacing_ = 0; // from the top of one line to the top of the next
    int32_t textAlignment_ = AlignStart;
    int32_t maxLines_ = 0;
    std::vector<qreal> lineOffsets_; // how far each line moves right for its alignment
};

} // namespace markup
