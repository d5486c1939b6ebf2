#include "markup/TextLines.h"

#include "markup/Inlines.h"

#include <algorithm>

namespace markup {
namespace {

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

// A stretch of a segment between two places where a line may break.
struct Piece {
    size_t From; // the segment it is cut from
    QString Text;
    bool NewLine; // a newline, which is a piece of its own
    bool BreakAfter;
};

// Pass 1: cut each segment at its newlines and, when wrapping, after the spaces that end
// each word. A piece that ends in no space is glued to the next: a word may go on in the
// next run.
std::vector<Piece> CutIntoPieces(const std::vector<TextSegment>& segments, bool wrapping)
{
    std::vector<Piece> pieces;
    for (size_t index = 0; index < segments.size(); ++index) {
        const QString& text = segments[index].Text;
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
    return pieces;
}

// The pieces that fit the most number of lines, each with its place and the segment it was
// cut from.
struct FilledLines {
    std::vector<TextSegment> Placed;
    std::vector<size_t> PlacedFrom;
    int LastLine = 0;
    bool LinesLeftOut = false;
};

// Pass 2: fill the lines. The pieces between two breaks go on a new line together when
// they would pass the width, unless they start the line; trailing spaces may pass it.
FilledLines FillLines(const std::vector<Piece>& pieces, const std::vector<TextSegment>& segments,
                      const QFontMetricsF& metrics, const LineRules& rules)
{
    const bool wrapping = rules.Wrapping == Wrap;
    FilledLines filled;
    int& line = filled.LastLine;
    qreal x = 0;
    size_t unitStart = 0;
    auto placeUnit = [&](size_t unitEnd) {
        qreal unitWidth = 0;
        for (size_t index = unitStart; index < unitEnd; ++index)
            unitWidth += metrics.horizontalAdvance(pieces[index].Text);
        const qreal ink = unitEnd > unitStart ? unitWidth - metrics.horizontalAdvance(pieces[unitEnd - 1].Text) +
                                                    metrics.horizontalAdvance(WithoutTrailingSpaces(pieces[unitEnd - 1].Text))
                                              : 0;
        if (wrapping && x > 0 && x + ink > rules.MaxWidth) {
            ++line;
            x = 0;
        }
        if (rules.MaxLines > 0 && line >= rules.MaxLines) {
            filled.LinesLeftOut = true;
            return;
        }
        for (size_t index = unitStart; index < unitEnd; ++index) {
            const TextSegment& from = segments[pieces[index].From];
            const qreal width = metrics.horizontalAdvance(pieces[index].Text);
            filled.Placed.push_back({pieces[index].Text, from.Source, from.Link, width, x, line});
            filled.PlacedFrom.push_back(pieces[index].From);
            x += width;
        }
        unitStart = unitEnd;
    };
    for (size_t index = 0; index < pieces.size() && !filled.LinesLeftOut; ++index) {
        if (pieces[index].NewLine) {
            placeUnit(index);
            unitStart = index + 1;
            ++line;
            x = 0;
        } else if (pieces[index].BreakAfter || index + 1 == pieces.size()) {
            placeUnit(index + 1);
        }
    }
    return filled;
}

// Pass 3: join the pieces of one segment on one line again, so that text is drawn and
// measured as whole as the lines allow.
std::vector<TextSegment> JoinPieces(const FilledLines& filled)
{
    std::vector<TextSegment> joined;
    for (size_t index = 0; index < filled.Placed.size(); ++index) {
        if (!joined.empty() && filled.PlacedFrom[index] == filled.PlacedFrom[index - 1] &&
            joined.back().Line == filled.Placed[index].Line)
            joined.back().Text += filled.Placed[index].Text;
        else
            joined.push_back(filled.Placed[index]);
    }
    return joined;
}

// Ends the segment with an ellipsis, within `maxWidth` of its line.
void Elide(TextSegment& segment, const QFontMetricsF& metrics, qreal maxWidth)
{
    const QString ended = WithoutTrailingSpaces(segment.Text) + QChar(0x2026);
    segment.Text = metrics.elidedText(ended, Qt::ElideRight, std::max<qreal>(0, maxWidth - segment.X));
    segment.Width = metrics.horizontalAdvance(segment.Text);
}

// Places the joined segments one after another along their lines and measures the widest.
void PlaceSegments(BrokenLines& lines, const QFontMetricsF& metrics, const LineRules& rules, bool linesLeftOut)
{
    const bool wrapping = rules.Wrapping == Wrap;
    std::vector<TextSegment>& segments = lines.Segments;
    for (size_t index = 0; index < segments.size(); ++index) {
        TextSegment& segment = segments[index];
        const bool startsLine = index == 0 || segments[index - 1].Line != segment.Line;
        segment.X = startsLine ? 0 : segments[index - 1].X + segments[index - 1].Width;
        segment.Width = metrics.horizontalAdvance(segment.Text);
        qreal shown = wrapping ? metrics.horizontalAdvance(WithoutTrailingSpaces(segment.Text)) : segment.Width;
        // With a most number of lines, the text shown says where it goes on: at the end of the
        // last line, and where a word is too long for its line.
        const bool last = index + 1 == segments.size();
        const bool endsLine = last || segments[index + 1].Line != segment.Line;
        if (rules.MaxLines > 0 && wrapping && endsLine && ((linesLeftOut && last) || segment.X + shown > rules.MaxWidth)) {
            Elide(segment, metrics, rules.MaxWidth);
            lines.Cut = true;
            shown = segment.Width;
        }
        lines.Widest = std::max(lines.Widest, segment.X + shown);
    }
}

} // namespace

bool TextSegment::Shown() const
{
    return (!Source || Source->Visibility() == Visible) && (!Link || Link->Visibility() == Visible);
}

BrokenLines BreakLines(const std::vector<TextSegment>& segments, const QFontMetricsF& metrics, const LineRules& rules)
{
    const FilledLines filled = FillLines(CutIntoPieces(segments, rules.Wrapping == Wrap), segments, metrics, rules);
    BrokenLines lines;
    lines.Segments = JoinPieces(filled);
    PlaceSegments(lines, metrics, rules, filled.LinesLeftOut);
    lines.LineCount = filled.LinesLeftOut ? rules.MaxLines : filled.LastLine + 1;
    return lines;
}

std::vector<qreal> LineInkWidths(const std::vector<TextSegment>& segments, int lineCount, const QFontMetricsF& metrics)
{
    // The segments of a line follow one another, so the last of them says where it ends.
    std::vector<qreal> widths(static_cast<size_t>(lineCount), 0);
    for (const TextSegment& segment : segments)
        if (segment.Line < lineCount)
            widths[static_cast<size_t>(segment.Line)] =
                segment.X + metrics.horizontalAdvance(WithoutTrailingSpaces(segment.Text));
    return widths;
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
