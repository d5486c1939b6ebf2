#pragma once

#include "date/DateSlider.h"
#include "markup/MarkupLabel.h"
#include "runtime/Date.h"
#include "window/TextScale.h"

#include <QCoreApplication>

#include <map>
#include <memory>
#include <optional>
#include <string>

/// The line under the header for a script's dialog: the ISO 8601 week of the selected date and
/// the description a script gave for the selected day. It owns the descriptions, its two text
/// blocks in the label's tree (named "DateNote"), and the bold days of the day column; it reads
/// the date from the date grid and changes nothing else.
class DateNote {
    // The texts belong to the window's translations.
    Q_DECLARE_TR_FUNCTIONS(Form1)

public:
    /// A note with the week where `showWeeks` asks for it and `descriptions` of days; a day's
    /// description of several lines shows each on one row, and one longer than the note shows is
    /// cut to its first lines and how many more.
    DateNote(markup::MarkupLabel& label, bool showWeeks, std::map<runtime::Date, std::string> descriptions,
             TextScale scale);

    /// A new, unattached note for under the header, or nothing when there is nothing to note.
    markup::ElementPtr Build();
    /// Once the note has its width, keeps in it the room of the tallest text it can show, and fits
    /// the text shown to it.
    void Size();
    /// Writes the note for the date `date` selects, and marks its described days in the day column.
    void Show(const DateSlider& date);
    /// What the note says for `date`: "Week 32", the day's description, or both.
    std::string Text(const runtime::Date& date) const;
    /// The note in the tree, or nothing when the window shows none.
    markup::ElementPtr Element() const;
    /// Gives the texts the colour of the scheme in use.
    void Recolour();

private:
    struct Description {
        std::string Text;
        /// Whether it has several lines, each shown on one row.
        bool RowPerLine = false;
    };

    /// Writes the note for the date last shown, as it is drawn at the note's width.
    void ShowText();
    /// The rows of a description of several lines, each ended with an ellipsis where it is wider
    /// than `width`.
    QString RowsOf(const QString& text, qreal width) const;

    markup::MarkupLabel& label_;
    bool showWeeks_;
    TextScale scale_;
    std::map<runtime::Date, Description> descriptions_;
    std::optional<runtime::Date> shown_;
    std::shared_ptr<markup::TextBlock> text_;
    // Hidden, but its space is kept.
    std::shared_ptr<markup::TextBlock> sizing_;
};
