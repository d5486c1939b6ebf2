// Typing a value into the focused column. Characters typed within a second of each other form
// one entry: four digits select a year; digits select a day or a month as soon as they name
// one; letters select the first month whose name, as the column shows it, begins with them,
// in any case and without regard to accents, and the same letter again moves on to the next
// month that begins with it, as list boxes do. Backspace takes back the last character and
// selects what remains. Every change of the date goes through SetDate.

#include "window/Form1.h"

#include "date/modDate.h"
#include "platform/Keyboard.h"
#include "runtime/DateText.h"
#include "runtime/Locale.h"
#include "runtime/RuntimeError.h"

#include <QChar>
#include <QString>

#include <array>

namespace {

// A longer pause between two characters starts a new entry.
constexpr int64_t EntryPauseMs = 1000;
constexpr std::size_t YearDigits = 4;

int DigitOf(char32_t character) { return QChar::digitValue(character); }

bool AllDigits(const std::u32string& characters)
{
    for (const char32_t character : characters)
        if (DigitOf(character) < 0)
            return false;
    return true;
}

// Digits of any script read as their value; a run too long for any column reads as 0.
int32_t NumberOf(const std::u32string& digits)
{
    if (digits.size() > YearDigits)
        return 0;
    int32_t number = 0;
    for (const char32_t digit : digits)
        number = number * 10 + DigitOf(digit);
    return number;
}

std::string Utf8(const std::u32string& characters)
{
    return QString::fromUcs4(characters.data(), static_cast<qsizetype>(characters.size())).toStdString();
}

bool MonthBeginsWith(int32_t month, const std::string& foldedPrefix)
{
    return runtime::FoldedForMatching(runtime::MonthName(month)).starts_with(foldedPrefix);
}

} // namespace

std::array<int32_t, slider::ColumnCount> Form1::SelectedTriple() const
{
    std::array<int32_t, slider::ColumnCount> triple{};
    for (int32_t each = 0; each < slider::ColumnCount; ++each)
        triple[each] = CellValues()(SelectedRow(), each);
    return triple;
}

void Form1::HandleChar(char32_t character)
{
    const int32_t column = focusIndex_;
    if (column < 0 || column >= slider::ColumnCount) {
        typed_ = {};
        return;
    }
    // The pause is timed between the keys as they were typed, not as they were delivered. A
    // time from another clock (an input method's text has none of its own) starts afresh.
    const int64_t now = platform::GetMessageTime();
    if (typed_.Column != column || now - typed_.LastAt > EntryPauseMs || now < typed_.LastAt) {
        typed_ = {{}, column, now, SelectedTriple(), SelectedTriple()};
    } else if (typed_.Left != SelectedTriple()) {
        // A click, a wheel turn or a link changed the date between two characters: the entry
        // goes on from the date as it is now, not from the one it started on.
        typed_.Start = SelectedTriple();
    }
    typed_.LastAt = now;
    // A refused date (outside the calendar or the bounds) leaves the picker as it was.
    try {
        TakeTypedCharacter(column, character);
    } catch (const runtime::RuntimeError&) {
    }
    typed_.Left = SelectedTriple();
}

void Form1::TakeTypedCharacter(int32_t column, char32_t character)
{
    std::u32string& characters = typed_.Characters;
    if (character == platform::VK_BACK) {
        if (characters.empty())
            return;
        characters.pop_back();
        // What remains of the entry is selected, and the date from before it once nothing does.
        const bool selected = !characters.empty() && (AllDigits(characters) ? SelectTypedValue(column)
                                                                             : SelectTypedMonthName());
        if (!selected)
            SetDate(typed_.Start[0], typed_.Start[1], typed_.Start[2]);
        return;
    }
    const bool digit = DigitOf(character) >= 0;
    const bool letter = !digit && QChar::isLetter(character);
    if (!digit && !(letter && column == slider::MonthColumn)) {
        // Something the column cannot take ends the entry, as any other key does.
        characters.clear();
        return;
    }
    // An entry is all digits or all letters; a character of the other kind begins a new one.
    if (!characters.empty() && AllDigits(characters) != digit)
        characters.clear();
    characters += character;
    if (letter)
        SelectTypedMonthName();
    else
        SelectTypedValue(column);
}

// Digits: a year once there are four of them; a day or a month as soon as they name one of
// the selected month's days or one of the twelve months, else the last digit begins afresh.
bool Form1::SelectTypedValue(int32_t column)
{
    std::array<int32_t, slider::ColumnCount> triple = typed_.Start;
    std::u32string& digits = typed_.Characters;
    if (column == slider::YearColumn) {
        // A fifth digit begins the next year.
        if (digits.size() > YearDigits)
            digits.erase(0, digits.size() - 1);
        if (digits.size() < YearDigits)
            return false;
    } else {
        const int32_t last = column == slider::MonthColumn
                                 ? 12
                                 : modDate::DaysInMonth(triple[slider::MonthColumn], triple[slider::YearColumn]);
        const int32_t number = NumberOf(digits);
        if (number < 1 || number > last)
            digits.erase(0, digits.size() - 1);
        if (NumberOf(digits) < 1)
            return false;
    }
    triple[column] = NumberOf(digits);
    SetDate(triple[0], triple[1], triple[2]);
    return true;
}

bool Form1::SelectTypedMonthName()
{
    const std::string typed = runtime::FoldedForMatching(Utf8(typed_.Characters));
    const std::array<int32_t, slider::ColumnCount>& start = typed_.Start;
    for (int32_t month = 1; month <= 12; ++month) {
        if (MonthBeginsWith(month, typed)) {
            SetDate(month, start[slider::DayColumn], start[slider::YearColumn]);
            return true;
        }
    }
    // No name begins with the same letter pressed again ("jj"): move on from the selected month
    // to the next one that begins with that letter.
    const std::u32string& characters = typed_.Characters;
    if (characters.find_first_not_of(characters.front()) != std::u32string::npos)
        return false;
    const std::string first = runtime::FoldedForMatching(Utf8(characters.substr(0, 1)));
    const int32_t selected = CellValues()(SelectedRow(), slider::MonthColumn);
    for (int32_t step = 1; step <= 12; ++step) {
        const int32_t month = (selected - 1 + step) % 12 + 1;
        if (MonthBeginsWith(month, first)) {
            SetDate(month, start[slider::DayColumn], start[slider::YearColumn]);
            return true;
        }
    }
    return false;
}
