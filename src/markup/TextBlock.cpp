#include "markup/TextBlock.h"

#include "markup/Colours.h"
#include "markup/Inlines.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace markup {
namespace {

const QColor DefaultLinkColour(0, 102, 204);

bool IsCollapsed(const Element& item) { return item.Visibility() == Collapsed; }

QString WithoutTrailingSpaces(const QString& text)
{
    qsizetype length = text.size();
    while (length > 0 && text[length - 1] == u' ')
        --length;
    return text.left(length);
}

// Wrapping breaks a line only after the spaces that end a word: at the last space before
// another word on the same line.
bool EndsWord(QStringView text, qsizetype at)
{
    return text[at] == u' ' && at + 1 < text.size() && text[at + 1] != u' ' && text[at + 1] != u'\n';
}

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

void TextBlock::CollectSegments()
{
    segments_.clear();
    // Measured once broken into lines: a long text is only measured as far as it is shown.
    auto add = [&](const std::string& text, Element* source, const Hyperlink* link) {
        segments_.push_back({QString::fromStdString(text), source, link, 0});
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
    const QRectF content = ContentBox(Bounds());
    return std::none_of(segments_.begin(), segments_.end(), [&](const Segment& segment) {
        return !segment.Shown() && PlaceOf(segment, content).contains(point);
    });
}

qreal TextBlock::BreakLines(const QFontMetricsF& metrics, qreal maxWidth)
{
    // Pass 1: cut each segment at its newlines and, when wrapping, after the spaces that end
    // each word. A piece that ends in no space is glued to the next: a word may go on in the
    // next run.
    struct Piece {
        size_t From; // the segment it is cut from
        QString Text;
        bool NewLine; // a newline, which is a piece of its own
        bool BreakAfter;
    };
    const bool wrapping = textWrapping_ == Wrap;
    std::vector<Piece> pieces;
    for (size_t index = 0; index < segments_.size(); ++index) {
        const QString& text = segments_[index].Text;
        qsizetype start = 0;
        for (qsizetype at = 0; at <= text.size(); ++at) {
            const bool lineEnd = at == text.size() || text[at] == u'\n';
            const bool wordEnd = wrapping && !lineEnd && EndsWord(text, at);
            if (!lineEnd && !wordEnd)
                continue;
            const qsizetype end = wordEnd ? at + 1 : at;
            const QString piece = text.mid(start, end - start);
            pieces.push_back({index, piece, false, piece.endsWith(u' ')});
            if (at < text.size() && lineEnd)
                pieces.push_back({index, QString(), true, true});
            start = lineEnd ? at + 1 : end;
        }
    }

    // Pass 2: fill the lines. The pieces between two breaks go on a new line together when
    // they would pass the width, unless they start the line; trailing spaces may pass it.
    std::vector<Segment> placed;
    std::vector<size_t> placedFrom; // the segment each placed piece was cut from
    qreal x = 0;
    int line = 0;
    size_t unitStart = 0;
    bool linesLeftOut = false;
    auto placeUnit = [&](size_t unitEnd) {
        qreal unitWidth = 0;
        for (size_t index = unitStart; index < unitEnd; ++index)
            unitWidth += metrics.horizontalAdvance(pieces[index].Text);
        const qreal ink = unitEnd > unitStart ? unitWidth - metrics.horizontalAdvance(pieces[unitEnd - 1].Text) +
                                                    metrics.horizontalAdvance(WithoutTrailingSpaces(pieces[unitEnd - 1].Text))
                                              : 0;
        if (wrapping && x > 0 && x + ink > maxWidth) {
            ++line;
            x = 0;
        }
        if (maxLines_ > 0 && line >= maxLines_) {
            linesLeftOut = true;
            return;
        }
        for (size_t index = unitStart; index < unitEnd; ++index) {
            const Segment& from = segments_[pieces[index].From];
            const qreal width = metrics.horizontalAdvance(pieces[index].Text);
            placed.push_back({pieces[index].Text, from.Source, from.Link, width, x, line});
            placedFrom.push_back(pieces[index].From);
            x += width;
        }
        unitStart = unitEnd;
    };
    for (size_t index = 0; index < pieces.size() && !linesLeftOut; ++index) {
        if (pieces[index].NewLine) {
            placeUnit(index);
            unitStart = index + 1;
            ++line;
            x = 0;
        } else if (pieces[index].BreakAfter || index + 1 == pieces.size()) {
            placeUnit(index + 1);
        }
    }

    // Pass 3: join the pieces of one segment on one line again, so that text is drawn and
    // measured as whole as the lines allow, and place the joined segments.
    segments_.clear();
    size_t previousFrom = pieces.size();
    for (size_t index = 0; index < placed.size(); ++index) {
        if (!segments_.empty() && placedFrom[index] == previousFrom && segments_.back().Line == placed[index].Line)
            segments_.back().Text += placed[index].Text;
        else
            segments_.push_back(placed[index]);
        previousFrom = placedFrom[index];
    }
    qreal widest = 0;
    cut_ = false;
    for (size_t index = 0; index < segments_.size(); ++index) {
        Segment& segment = segments_[index];
        const bool startsLine = index == 0 || segments_[index - 1].Line != segment.Line;
        segment.X = startsLine ? 0 : segments_[index - 1].X + segments_[index - 1].Width;
        segment.Width = metrics.horizontalAdvance(segment.Text);
        qreal shown = wrapping ? metrics.horizontalAdvance(WithoutTrailingSpaces(segment.Text)) : segment.Width;
        // With a most number of lines, the text shown says where it goes on: at the end of the
        // last line, and where a word is too long for its line.
        const bool last = index + 1 == segments_.size();
        const bool endsLine = last || segments_[index + 1].Line != segment.Line;
        if (maxLines_ > 0 && wrapping && endsLine && ((linesLeftOut && last) || segment.X + shown > maxWidth)) {
            Elide(segment, metrics, maxWidth);
            shown = segment.Width;
        }
        widest = std::max(widest, segment.X + shown);
    }
    lineCount_ = linesLeftOut ? maxLines_ : line + 1;
    return widest;
}

void TextBlock::Elide(Segment& segment, const QFontMetricsF& metrics, qreal maxWidth)
{
    cut_ = true;
    const QString ended = WithoutTrailingSpaces(segment.Text) + QChar(0x2026);
    segment.Text = metrics.elidedText(ended, Qt::ElideRight, std::max<qreal>(0, maxWidth - segment.X));
    segment.Width = metrics.horizontalAdvance(segment.Text);
}

QSizeF TextBlock::MeasureContent(QSizeF available, const TextDefaults& defaults)
{
    font_ = EffectiveFont(defaults);
    const QFontMetricsF metrics(font_);
    CollectSegments();
    ascent_ = metrics.ascent();
    lineHeight_ = metrics.height();
    lineSpacing_ = metrics.lineSpacing();
    const QMarginsF padding = MarginsOf(padding_);
    const qreal width = BreakLines(metrics, available.width() - padding.left() - padding.right());
    for (Segment& segment : segments_)
        if (segment.Link)
            PlaceUnderline(segment, metrics);
    const qreal height = lineHeight_ + (lineCount_ - 1) * lineSpacing_;
    return QSizeF(std::ceil(width), std::ceil(height)).grownBy(padding);
}

QRectF TextBlock::ContentBox(const QRectF& box) const { return box.marginsRemoved(InFlow(MarginsOf(padding_))); }

QRectF TextBlock::PlaceOf(const Segment& segment, const QRectF& content) const
{
    const qreal offset = segment.Line < std::ssize(lineOffsets_) ? lineOffsets_[static_cast<size_t>(segment.Line)] : 0;
    // Right to left, a line starts at the right edge, and its alignment moves it leftwards.
    const qreal x =
        IsRightToLeft() ? content.right() - offset - segment.X - segment.Width : content.x() + offset + segment.X;
    return QRectF(x, content.y() + segment.Line * lineSpacing_, segment.Width, lineHeight_);
}

void TextBlock::ArrangeContent(const QRectF& box)
{
    // Inlines have no layout of their own: each run gets the rectangle of its text, and a
    // link the span of its runs, so that hit testing finds them like any other element.
    const QRectF content = ContentBox(box);
    // Each line moves within the content's width by what it leaves free, for its alignment.
    lineOffsets_.assign(static_cast<size_t>(lineCount_), 0);
    if (textAlignment_ != AlignStart) {
        std::vector<qreal> lineWidths(static_cast<size_t>(lineCount_), 0);
        for (const Segment& segment : segments_)
            if (segment.Line < lineCount_)
                lineWidths[static_cast<size_t>(segment.Line)] =
                    segment.X + QFontMetricsF(font_).horizontalAdvance(WithoutTrailingSpaces(segment.Text));
        const qreal share = textAlignment_ == AlignCentre ? 0.5 : 1.0;
        for (size_t line = 0; line < lineWidths.size(); ++line)
            lineOffsets_[line] = std::max<qreal>(0, (content.width() - lineWidths[line]) * share);
    }
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
    for (const Segment& segment : segments_) {
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
    const QFont& font = font_;
    const QRectF content = ContentBox(Bounds());
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The line's direction is the base direction of the bidirectional algorithm within each
    // segment: digits inside Arabic text, or a Latin name inside it, then read as they should.
    painter.setLayoutDirection(IsRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    painter.setFont(font);
    for (const Segment& segment : segments_) {
        if (!segment.Shown())
            continue;
        const QColor colour = !segment.Link                ? blockColour
                              : segment.Link->Foreground() ? BrushColour(segment.Link->Foreground()->Color())
                                                           : DefaultLinkColour;
        const QPointF baseline = PlaceOf(segment, content).topLeft() + QPointF(0, ascent_);
        painter.setPen(colour);
        painter.drawText(baseline, segment.Text);
        if (segment.Link)
            PaintUnderline(painter, baseline, segment, colour);
    }
}

namespace {

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

} // namespace

// A link's underline lies where the fonts that draw its glyphs put theirs: the lowest of them,
// and as thick as the thickest. A font that stands in for letters the block's font lacks
// (Chinese, Japanese, Korean) may reach further below the baseline than the block's font, whose
// underline would then run into its glyphs. The line is placed as Qt places its own. In a script
// whose letters must not be crossed it passes a clear pixel below their lowest ink, and the line
// grows to hold it.
void TextBlock::PlaceUnderline(Segment& segment, const QFontMetricsF& metrics)
{
    qreal offset = metrics.underlinePos();
    qreal thickness = metrics.lineWidth();
    qreal inkBelow = 0;
    QTextLayout layout(segment.Text, font_);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        offset = std::max(offset, font.underlinePosition());
        thickness = std::max(thickness, font.lineThickness());
        for (const quint32 glyph : run.glyphIndexes())
            inkBelow = std::max(inkBelow, font.boundingRect(glyph).bottom());
    }
    // Kept off the glyphs above it by rounding down, and within the descent.
    qreal below = std::ceil(offset) + 0.5;
    if (offset <= metrics.descent())
        below = std::min(below, metrics.descent() - 0.5);
    if (UnderlinePassesBelowTheInk(segment.Text)) {
        below = std::max(below, std::ceil(inkBelow) + 1 + std::ceil(thickness) / 2);
        lineHeight_ = std::max(lineHeight_, std::ceil(ascent_ + below + thickness / 2));
    }
    segment.UnderlineBelow = below;
    segment.UnderlineThickness = thickness;
}

void TextBlock::PaintUnderline(QPainter& painter, QPointF baseline, const Segment& segment, const QColor& colour) const
{
    painter.setPen(QPen(colour, segment.UnderlineThickness, Qt::SolidLine, Qt::FlatCap));
    const qreal y = baseline.y() + segment.UnderlineBelow;
    painter.drawLine(QLineF(std::floor(baseline.x()), y, std::floor(baseline.x() + segment.Width), y));
}

namespace {

// The widths of a text's characters, summed: without the kerning of shaped text, which moves
// a line's width by a few pixels at most, and cheap to find for many texts.
qreal CharacterWidths(QStringView text, const QFontMetricsF& metrics, MeasuredWidths& widths)
{
    qreal sum = 0;
    for (const QChar character : text) {
        auto found = widths.Characters.constFind(character.unicode());
        if (found == widths.Characters.constEnd())
            found = widths.Characters.insert(character.unicode(), metrics.horizontalAdvance(character));
        sum += *found;
    }
    return sum;
}

// The pieces and the rule of BreakLines, for one line of text in one style: a word goes on a
// new line when its ink would pass the width, unless it starts the line.
int WrappedLines(QStringView line, qreal width, const QFontMetricsF& metrics, MeasuredWidths& widths)
{
    int lines = 1;
    qreal x = 0;
    qsizetype start = 0;
    for (qsizetype at = 0; at <= line.size(); ++at) {
        const bool wordEnd = at < line.size() && EndsWord(line, at);
        if (at < line.size() && !wordEnd)
            continue;
        const qsizetype end = wordEnd ? at + 1 : at;
        const QStringView piece = line.sliced(start, end - start);
        qsizetype ink = piece.size();
        while (ink > 0 && piece[ink - 1] == u' ')
            --ink;
        if (x > 0 && x + CharacterWidths(piece.first(ink), metrics, widths) > width) {
            ++lines;
            x = 0;
        }
        x += CharacterWidths(piece, metrics, widths);
        start = end;
    }
    return lines;
}

} // namespace

int WrappedLineCount(const QString& text, qreal width, const QFontMetricsF& metrics, MeasuredWidths& widths)
{
    int lines = 0;
    for (const QStringView line : QStringView(text).split(u'\n'))
        lines += WrappedLines(line, width, metrics, widths);
    return lines;
}

} // namespace markup
