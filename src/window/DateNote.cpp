// A line under the header for a script's dialog: the ISO 8601 week of the selected date
// (--show-weeks) and the description a script gave for the selected day (--details). It keeps
// the room of its tallest text, so the window does not change size as the date moves. The days
// that have a description are bold in the day column. A date change looks up one description
// and the five days shown, so a file of any length costs nothing per step.

#include "window/Form1.h"

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
// The lines of the note, the week's among them, before it ends in an ellipsis: a description's
// lines may wrap.
constexpr int32_t NoteLines = DescriptionLines + 2;

} // namespace

void Form1::SetDayDescriptions(std::map<runtime::Date, std::string> descriptions)
{
    for (auto& [day, description] : descriptions) {
        const QString text = QString::fromStdString(description);
        const qsizetype lines = text.count(u'\n') + 1;
        if (lines <= DescriptionLines)
            continue;
        const qsizetype shown = DescriptionLines - 1;
        description = (text.section(u'\n', 0, shown - 1) + u'\n' + tr("and %1 more").arg(lines - shown)).toStdString();
    }
    dayDescriptions_ = std::move(descriptions);
}

std::string Form1::DateNoteText(const runtime::Date& date) const
{
    QStringList lines;
    if (showWeeks_)
        lines << tr("Week %1").arg(QDate(date.Year(), date.Month(), date.Day()).weekNumber());
    if (const auto found = dayDescriptions_.find(date); found != dayDescriptions_.end())
        lines << QString::fromStdString(found->second);
    return lines.join(u'\n').toStdString();
}

markup::ElementPtr Form1::BuildDateNote()
{
    if (!showWeeks_ && dayDescriptions_.empty())
        return nullptr;
    const auto context = markupLabel1_->MarkupContext();
    const auto note = As<markup::Grid>(context->CreateObject("Grid"));
    note->SetName("DateNote");
    note->SetMargin(context->CreateThicknessObject(4, 0, 0, 4));
    const auto lineOf = [&](const std::string& text) {
        const auto line = As<markup::TextBlock>(context->CreateObject("TextBlock"));
        line->SetForeground(context->CreateSolidBrush(design::CurrentColours().Text));
        line->SetFontSize(modXaml::PointsToPixels(8));
        line->SetTextWrapping(markup::Wrap);
        line->SetMaxLines(NoteLines);
        line->SetText(text);
        note->Children().Add(line);
        return line;
    };
    dateNoteText_ = lineOf("");
    // Hidden, but its space is kept: the note is as tall as the tallest text it can show, which
    // SizeDateNote writes here once the note's width is known.
    dateNoteSizing_ = lineOf(showWeeks_ ? tr("Week %1").arg(WidestWeek).toStdString() : std::string());
    dateNoteSizing_->SetVisibility(markup::Hidden);
    return note;
}

void Form1::RecolourDateNote()
{
    const auto note = As<markup::Grid>(DateNote());
    if (!note)
        return;
    const auto context = markupLabel1_->MarkupContext();
    for (const markup::ElementPtr& line : note->Children())
        As<markup::TextBlock>(line)->SetForeground(context->CreateSolidBrush(design::CurrentColours().Text));
}

void Form1::SizeDateNote()
{
    if (!dateNoteSizing_ || dayDescriptions_.empty())
        return;
    // One pass over the descriptions, counting lines rather than laying each one out: a
    // script's file may describe every day of a century. Only the tallest is laid out.
    const QFontMetricsF metrics(dateNoteSizing_->MeasuredFont());
    const qreal width = DateNote()->Width();
    markup::MeasuredWidths measured;
    int mostLines = 0;
    QString tallest;
    for (const auto& [day, description] : dayDescriptions_) {
        const QString text = QString::fromStdString(description);
        const int lines = markup::WrappedLineCount(text, width, metrics, measured);
        if (lines > mostLines) {
            mostLines = lines;
            tallest = text;
        }
    }
    const QString week = showWeeks_ ? tr("Week %1").arg(WidestWeek) + u'\n' : QString();
    dateNoteSizing_->SetText((week + tallest).toStdString());
}

markup::ElementPtr Form1::DateNote() const
{
    const auto& root = markupLabel1_->RootElement();
    return root ? root->FindName("DateNote") : nullptr;
}

void Form1::ShowDateNote()
{
    if (!dateNoteText_)
        return;
    const runtime::Date selected = SelectedDate();
    dateNoteText_->SetText(DateNoteText(selected));
    if (dayDescriptions_.empty() || !SliderGrids(slider::DayColumn))
        return;
    for (int32_t row = 0; row < slider::RowCount; ++row) {
        const int32_t day = CellValues()(row, slider::DayColumn);
        const auto cell = std::dynamic_pointer_cast<markup::TextBlock>(
            SliderGrids(slider::DayColumn)->FindName(slider::CellTextName(slider::DayColumn, row)));
        const bool described =
            day >= 1 && dayDescriptions_.contains(runtime::Date::FromParts(selected.Year(), selected.Month(), day));
        if (cell)
            cell->SetFontWeight(described ? 700 : 400);
    }
}
