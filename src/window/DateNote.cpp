// The note keeps the room of its tallest text, so the window does not change size as the date
// moves. A date change looks up one description and the five days shown, so a file of any
// length costs nothing per step.

#include "window/DateNote.h"

#include "markup/Grid.h"
#include "markup/modXaml.h"
#include "window/DesignColours.h"

#include <QDate>
#include <QFontMetricsF>

using markup::As;

namespace {

// The week the sizing text holds: the widest number a week can have.
constexpr int32_t WidestWeek = 53;
// The lines of a day's description that the note shows: a day with more shows the first ones
// and how many more it has, so that the window stays on the screen and a step costs the same
// however long the description is.
constexpr qsizetype DescriptionLines = 4;
// The lines of the note, the week's among them, before it ends in an ellipsis: a description of
// one line may wrap.
constexpr int32_t NoteLines = DescriptionLines + 2;

} // namespace

DateNote::DateNote(markup::MarkupLabel& label, bool showWeeks, std::map<runtime::Date, std::string> descriptions,
                   TextScale scale)
    : label_(label), showWeeks_(showWeeks), scale_(scale)
{
    for (auto& [day, description] : descriptions) {
        const QString text = QString::fromStdString(description);
        const qsizetype lines = text.count(u'\n') + 1;
        const qsizetype shown = DescriptionLines - 1;
        Description note{std::move(description), lines > 1};
        if (lines > DescriptionLines)
            note.Text = (text.section(u'\n', 0, shown - 1) + u'\n' + tr("and %1 more").arg(lines - shown)).toStdString();
        descriptions_.emplace_hint(descriptions_.end(), day, std::move(note));
    }
}

std::string DateNote::Text(const runtime::Date& date) const
{
    QStringList lines;
    if (showWeeks_)
        lines << tr("Week %1").arg(QDate(date.Year(), date.Month(), date.Day()).weekNumber());
    if (const auto found = descriptions_.find(date); found != descriptions_.end())
        lines << QString::fromStdString(found->second.Text);
    return lines.join(u'\n').toStdString();
}

markup::ElementPtr DateNote::Build()
{
    if (!showWeeks_ && descriptions_.empty())
        return nullptr;
    const auto context = label_.MarkupContext();
    const auto note = As<markup::Grid>(context->CreateObject("Grid"));
    note->SetName("DateNote");
    note->SetMargin(context->CreateThicknessObject(4, 0, 0, 4));
    const auto lineOf = [&](const std::string& text) {
        const auto line = As<markup::TextBlock>(context->CreateObject("TextBlock"));
        line->SetForeground(context->CreateSolidBrush(design::CurrentColours().Text));
        line->SetFontSize(scale_.Pixels(8));
        line->SetTextWrapping(markup::Wrap);
        line->SetMaxLines(NoteLines);
        line->SetText(text);
        note->Children().Add(line);
        return line;
    };
    text_ = lineOf("");
    // Size writes the tallest text here once the note's width is known.
    sizing_ = lineOf(showWeeks_ ? tr("Week %1").arg(WidestWeek).toStdString() : std::string());
    sizing_->SetVisibility(markup::Hidden);
    return note;
}

void DateNote::Recolour()
{
    const auto note = As<markup::Grid>(Element());
    if (!note)
        return;
    const auto context = label_.MarkupContext();
    for (const markup::ElementPtr& line : note->Children())
        As<markup::TextBlock>(line)->SetForeground(context->CreateSolidBrush(design::CurrentColours().Text));
}

void DateNote::Size()
{
    if (!sizing_ || descriptions_.empty())
        return;
    // One pass over the descriptions, counting lines rather than laying each one out: a
    // script's file may describe every day of a century. Only the tallest is laid out.
    const QFontMetricsF metrics(sizing_->MeasuredFont());
    const qreal width = Element()->Width();
    markup::MeasuredWidths measured;
    int mostLines = 0;
    QString tallest;
    for (const auto& [day, description] : descriptions_) {
        const QString text = QString::fromStdString(description.Text);
        const int lines = description.RowPerLine ? static_cast<int>(text.count(u'\n')) + 1
                                                 : markup::WrappedLineCount(text, width, metrics, measured);
        if (lines > mostLines) {
            mostLines = lines;
            tallest = description.RowPerLine ? RowsOf(text, width) : text;
        }
    }
    const QString week = showWeeks_ ? tr("Week %1").arg(WidestWeek) + u'\n' : QString();
    sizing_->SetText((week + tallest).toStdString());
    ShowText();
}

// The lines of a description of several do not wrap: wrapped, a long one could fill the note and
// leave out the others, or the row that says how many more there are.
QString DateNote::RowsOf(const QString& text, qreal width) const
{
    const QFontMetricsF metrics(text_->MeasuredFont());
    QStringList rows = text.split(u'\n');
    for (QString& row : rows)
        row = metrics.elidedText(row, Qt::ElideRight, width);
    return rows.join(u'\n');
}

void DateNote::ShowText()
{
    if (!text_ || !shown_)
        return;
    const QString text = QString::fromStdString(Text(*shown_));
    const auto found = descriptions_.find(*shown_);
    const bool rowPerLine = found != descriptions_.end() && found->second.RowPerLine;
    text_->SetTextWrapping(rowPerLine ? markup::NoWrap : markup::Wrap);
    // Until the note has its width, Size writes the text again.
    const qreal width = rowPerLine ? Element()->Width() : 0;
    text_->SetText((width > 0 ? RowsOf(text, width) : text).toStdString());
}

markup::ElementPtr DateNote::Element() const
{
    const auto& root = label_.RootElement();
    return root ? root->FindName("DateNote") : nullptr;
}

void DateNote::Show(const DateSlider& date)
{
    if (!text_)
        return;
    const runtime::Date selected = date.SelectedDate();
    shown_ = selected;
    ShowText();
    const auto& days = date.SliderGrids(slider::DayColumn);
    if (descriptions_.empty() || !days)
        return;
    for (int32_t row = 0; row < slider::RowCount; ++row) {
        const int32_t day = date.CellValues()(row, slider::DayColumn);
        const auto cell =
            std::dynamic_pointer_cast<markup::TextBlock>(days->FindName(slider::CellTextName(slider::DayColumn, row)));
        const bool described =
            day >= 1 && descriptions_.contains(runtime::Date::FromParts(selected.Year(), selected.Month(), day));
        if (cell)
            cell->SetFontWeight(described ? 700 : 400);
    }
}
