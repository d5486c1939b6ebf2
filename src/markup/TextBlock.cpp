#include "markup/TextBlock.h"

#include "markup/Colours.h"
#include "markup/Inlines.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace markup {
namespace {

const QColor DefaultLinkColour(0, 102, 204);

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

void TextBlock::CollectSegments(const QFontMetricsF& metrics)
{
    segments_.clear();
    auto add = [&](const std::string& text, Element* source, const Hyperlink* link) {
        const QString shown = QString::fromStdString(text);
        segments_.push_back({shown, source, link, metrics.horizontalAdvance(shown)});
    };
    if (inlines_.Count() == 0) {
        add(text_, nullptr, nullptr);
        return;
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
}

bool TextBlock::Segment::Shown() const
{
    return (!Source || Source->Visibility() == Visible) && (!Link || Link->Visibility() == Visible);
}

bool TextBlock::HitsSelf(QPointF point) const
{
    // The room of a hidden inline is a gap in the text, like the room of a hidden element.
    return std::none_of(segments_.begin(), segments_.end(), [&](const Segment& segment) {
        return !segment.Shown() && segment.Source->Bounds().contains(point);
    });
}

QSizeF TextBlock::MeasureContent(QSizeF, const TextDefaults& defaults)
{
    font_ = EffectiveFont(defaults);
    const QFontMetricsF metrics(font_);
    CollectSegments(metrics);
    ascent_ = metrics.ascent();
    lineHeight_ = metrics.height();
    qreal width = 0;
    for (const Segment& segment : segments_)
        width += segment.Width;
    return QSizeF(std::ceil(width), std::ceil(lineHeight_)).grownBy(MarginsOf(padding_));
}

void TextBlock::ArrangeContent(const QRectF& box)
{
    // Inlines have no layout of their own: each run gets the rectangle of its text, and a
    // link the span of its runs, so that hit testing finds them like any other element.
    const QRectF content = box.marginsRemoved(MarginsOf(padding_));
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
    qreal x = content.x();
    for (const Segment& segment : segments_) {
        const QRectF place(x, content.y(), segment.Width, lineHeight_);
        if (segment.Source)
            segment.Source->Arrange(place);
        x += segment.Width;
    }
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
    const QFont& font = font_;
    const QRectF content = Bounds().marginsRemoved(MarginsOf(padding_));
    painter.setRenderHint(QPainter::TextAntialiasing);
    qreal x = content.x();
    for (const Segment& segment : segments_) {
        if (!segment.Shown()) {
            x += segment.Width;
            continue;
        }
        QFont segmentFont = font;
        QColor colour = blockColour;
        if (segment.Link) {
            segmentFont.setUnderline(true);
            colour = segment.Link->Foreground() ? BrushColour(segment.Link->Foreground()->Color()) : DefaultLinkColour;
        }
        painter.setFont(segmentFont);
        painter.setPen(colour);
        painter.drawText(QPointF(x, content.y() + ascent_), segment.Text);
        x += segment.Width;
    }
}

} // namespace markup
