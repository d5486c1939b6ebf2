#pragma once

#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include <cstdint>
#include <vector>

/// A block's text broken into lines: where each stretch of it lies, what is cut with an ellipsis,
/// and a quick count of the lines a plain text takes.
namespace markup {

class Element;
class Hyperlink;

/// TextWrapping codes: one line per newline of the text, or lines also broken between words.
enum TextWrappingCode : int32_t {
    NoWrap = 0,
    Wrap = 1,
};

/// A stretch of text drawn in one style on one line: a block's own text or one run, or a part of
/// them once they are broken into lines.
struct TextSegment {
    QString Text;
    Element* Source; // the run, or nullptr for the block's own text
    const Hyperlink* Link;
    qreal Width;
    qreal X = 0; // from the edge of the content where its line starts
    int Line = 0;
    // A link's underline: how far below the baseline its middle lies, and how thick it is.
    qreal UnderlineBelow = 0;
    qreal UnderlineThickness = 0;
    /// Whether it is drawn: neither its run nor its link is hidden.
    bool Shown() const;
};

/// How a block breaks its text: its TextWrapping code, the most lines it shows (0 for all) and the
/// width of its content.
struct LineRules {
    int32_t Wrapping = NoWrap;
    int32_t MaxLines = 0;
    qreal MaxWidth = 0;
};

/// A block's segments placed on their lines.
struct BrokenLines {
    std::vector<TextSegment> Segments;
    qreal Widest = 0; // the widest line, without the spaces that end it when wrapping
    int LineCount = 1;
    bool Cut = false; // text left out for the most number of lines or for the width
};

/// Breaks `segments` into lines: at each newline and, when wrapping, before a word that would pass
/// the width. With a most number of lines, the last line shown and any line too wide for a word
/// end with an ellipsis, and the rest is not laid out.
BrokenLines BreakLines(const std::vector<TextSegment>& segments, const QFontMetricsF& metrics, const LineRules& rules);

/// How wide each of the first `lineCount` lines of placed `segments` is, without the spaces that
/// end it.
std::vector<qreal> LineInkWidths(const std::vector<TextSegment>& segments, int lineCount, const QFontMetricsF& metrics);

/// The widths of the characters that WrappedLineCount measured, for the next text in the same font.
struct MeasuredWidths {
    QHash<char16_t, qreal> Characters;
};

/// How many lines plain `text` takes in a wrapping TextBlock whose content is `width` wide,
/// drawn with `metrics`, broken as its layout breaks them but with each character's own width,
/// without kerning: close enough to find the tallest of many texts, at little more than the
/// cost of reading their characters.
int WrappedLineCount(const QString& text, qreal width, const QFontMetricsF& metrics, MeasuredWidths& widths);

} // namespace markup
