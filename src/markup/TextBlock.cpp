#include "markup/TextBlock.h"

#include "markup/Colours.h"
#include "markup/Inlines.h"
#include "markup/TextPainting.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace markup {
namespace {

bool IsCollapsed(const Element& item) { return item.Visibility() == Collapsed; }

} // namespace

TextBlock::TextBlock()
    : inlines_([this](const ElementPtr& item) {
          if (item && !std::dynamic_pointer_cast<Run>(item) && !std::dynamic_pointer_cast<Hyperlink>(item))
              runtime::Raise(runtime::ErrTypeMismatch);
          Adopt(item);
      })
{
}

void TextBlock::SetFontSize(float pixels)
{
    if (!(pixels >= 0) || pixels > 10000)
        runtime::Raise(runtime::ErrInvalidCall);
    fontSize_ = pixels;
    Changed();
}

void TextBlock::SetFontWeight(int32_t weight)
{
    if (weight < 1 || weight > 999)
        runtime::Raise(runtime::ErrInvalidCall);
    fontWeight_ = weight;
    Changed();
}

void TextBlock::SetFontFamily(std::string family)
{
    fontFamily_ = std::move(family);
    Changed();
}

void TextBlock::SetPadding(ThicknessPtr padding)
{
    padding_ = std::move(padding);
    Changed();
}

void TextBlock::SetForeground(SolidColorBrushPtr brush)
{
    foreground_ = std::move(brush);
    Changed();
}

void TextBlock::SetTextWrapping(int32_t wrapping)
{
    if (wrapping != NoWrap && wrapping != Wrap)
        runtime::Raise(runtime::ErrInvalidCall);
    textWrapping_ = wrapping;
    Changed();
}

void TextBlock::SetTextAlignment(int32_t alignment)
{
    if (alignment != AlignStart && alignment != AlignCentre && alignment != AlignEnd)
        runtime::Raise(runtime::ErrInvalidCall);
    textAlignment_ = alignment;
    Changed();
}

void TextBlock::SetMaxLines(int32_t lines)
{
    if (lines < 0)
        runtime::Raise(runtime::ErrInvalidCall);
    maxLines_ = lines;
    Changed();
}

void TextBlock::SetText(std::string text)
{
    if (text == text_)
        return;
    text_ = std::move(text);
    Changed();
}

void TextBlock::ForEachChild(const std::function<void(const ElementPtr&)>& visit) const
{
    for (const ElementPtr& item : inlines_)
        visit(item);
}

QFont TextBlock::EffectiveFont(const TextDefaults& defaults) const
{
    QFont font = defaults.Font;
    if (!fontFamily_.empty())
        font.setFamily(QString::fromStdString(fontFamily_));
    if (fontSize_ > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(fontSize_))));
    font.setWeight(static_cast<QFont::Weight>(fontWeight_));
    return font;
}

std::vector<TextSegment> TextBlock::CollectSegments() const
{
    // Measured once broken into lines: a long text is only measured as far as it is shown.
    std::vector<TextSegment> segments;
    auto add = [&](const std::string& text, Element* source, const Hyperlink* link) {
        segments.push_back({QString::fromStdString(text), source, link, 0});
    };
    if (inlines_.Count() == 0) {
        add(text_, nullptr, nullptr);
        return segments;
    }
    // A collapsed inline takes no room; a hidden one keeps its room but shows nothing.
    for (const ElementPtr& item : inlines_) {
        if (IsCollapsed(*item))
            continue;
        if (auto* run = dynamic_cast<Run*>(item.get())) {
            add(run->Text(), run, nullptr);
            continue;
        }
        const auto* link = static_cast<const Hyperlink*>(item.get());
        for (const ElementPtr& linkRun : link->Inlines())
            if (!IsCollapsed(*linkRun))
                add(static_cast<const Run&>(*linkRun).Text(), linkRun.get(), link);
    }
    return segments;
}

bool TextBlock::HitsSelf(QPointF point) const
{
    // The room of a hidden inline is a gap in the text, like the room of a hidden element.
    const QRectF content = ContentBox(Bounds());
    return std::none_of(lines_.Segments.begin(), lines_.Segments.end(), [&](const TextSegment& segment) {
        return !segment.Shown() && PlaceOf(segment, content).contains(point);
    });
}

QSizeF TextBlock::MeasureContent(QSizeF available, const TextDefaults& defaults)
{
    font_ = EffectiveFont(defaults);
    const QFontMetricsF metrics(font_);
    ascent_ = metrics.ascent();
    lineHeight_ = metrics.height();
    lineSpacing_ = metrics.lineSpacing();
    const QMarginsF padding = MarginsOf(padding_);
    lines_ = BreakLines(CollectSegments(), metrics,
                        {textWrapping_, maxLines_, available.width() - padding.left() - padding.right()});
    for (TextSegment& segment : lines_.Segments)
        if (segment.Link)
            lineHeight_ = std::max(lineHeight_, PlaceUnderline(segment, font_, metrics, ascent_));
    const qreal height = lineHeight_ + (lines_.LineCount - 1) * lineSpacing_;
    return QSizeF(std::ceil(lines_.Widest), std::ceil(height)).grownBy(padding);
}

QRectF TextBlock::ContentBox(const QRectF& box) const { return box.marginsRemoved(InFlow(MarginsOf(padding_))); }

QRectF TextBlock::PlaceOf(const TextSegment& segment, const QRectF& content) const
{
    const qreal offset = segment.Line < std::ssize(lineOffsets_) ? lineOffsets_[static_cast<size_t>(segment.Line)] : 0;
    // Right to left, a line starts at the right edge, and its alignment moves it leftwards.
    const qreal x =
        IsRightToLeft() ? content.right() - offset - segment.X - segment.Width : content.x() + offset + segment.X;
    return QRectF(x, content.y() + segment.Line * lineSpacing_, segment.Width, lineHeight_);
}

void TextBlock::ArrangeContent(const QRectF& box)
{
    const QRectF content = ContentBox(box);
    AlignLines(content.width());
    ArrangeInlines(content);
}

void TextBlock::AlignLines(qreal contentWidth)
{
    // Each line moves within the content's width by what it leaves free.
    lineOffsets_.assign(static_cast<size_t>(lines_.LineCount), 0);
    if (textAlignment_ == AlignStart)
        return;
    const std::vector<qreal> lineWidths = LineInkWidths(lines_.Segments, lines_.LineCount, QFontMetricsF(font_));
    const qreal share = textAlignment_ == AlignCentre ? 0.5 : 1.0;
    for (size_t line = 0; line < lineWidths.size(); ++line)
        lineOffsets_[line] = std::max<qreal>(0, (contentWidth - lineWidths[line]) * share);
}

// Inlines have no layout of their own: each run gets the rectangle of its text, and a link the
// span of its runs, so that hit testing finds them like any other element.
void TextBlock::ArrangeInlines(const QRectF& content)
{
    // A collapsed inline has no text to place; it gets no room at all, so that neither it nor
    // the span of its link keeps a place it had before.
    const QRectF nowhere(content.topLeft(), QSizeF());
    for (const ElementPtr& item : inlines_) {
        const auto* link = dynamic_cast<const Hyperlink*>(item.get());
        if (IsCollapsed(*item))
            item->Arrange(nowhere);
        if (link)
            for (const ElementPtr& linkRun : link->Inlines())
                if (IsCollapsed(*linkRun) || IsCollapsed(*link))
                    linkRun->Arrange(nowhere);
    }
    // A run broken over lines gets the span of its parts.
    std::vector<std::pair<Element*, QRectF>> runPlaces;
    for (const TextSegment& segment : lines_.Segments) {
        if (!segment.Source)
            continue;
        const QRectF place = PlaceOf(segment, content);
        if (!runPlaces.empty() && runPlaces.back().first == segment.Source)
            runPlaces.back().second |= place;
        else
            runPlaces.emplace_back(segment.Source, place);
    }
    for (const auto& [run, place] : runPlaces)
        run->Arrange(place);
    for (const ElementPtr& item : inlines_) {
        auto* link = dynamic_cast<Hyperlink*>(item.get());
        if (!link)
            continue;
        QRectF span;
        for (const ElementPtr& linkRun : link->Inlines())
            if (!IsCollapsed(*linkRun) && !IsCollapsed(*link))
                span = span.united(linkRun->Bounds());
        link->Arrange(span.isNull() ? nowhere : span);
    }
}

void TextBlock::PaintContent(QPainter& painter, const TextDefaults& defaults) const
{
    const QColor blockColour = foreground_ ? BrushColour(foreground_->Color()) : defaults.Foreground;
    const QRectF content = ContentBox(Bounds());
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The line's direction is the base direction of the bidirectional algorithm within each
    // segment: digits inside Arabic text, or a Latin name inside it, then read as they should.
    painter.setLayoutDirection(IsRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    painter.setFont(font_);
    for (const TextSegment& segment : lines_.Segments)
        if (segment.Shown())
            PaintSegment(painter, PlaceOf(segment, content).topLeft() + QPointF(0, ascent_), segment, blockColour);
}

} // namespace markup
