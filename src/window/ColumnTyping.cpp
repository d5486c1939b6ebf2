// Typing a value into the focused column. Characters typed within a second of each other form
// one entry: four digits select a year; digits select a day, a month, an hour or a minute as
// soon as they name one; letters select the first month (or AM/PM) whose name, as the column
// shows it, begins with them, in any case and without regard to accents ("a" and "p" in every
// language too), and the same letter again moves on to the next name that begins with it, as
// list boxes do. Backspace takes back the last character and selects what remains. Every change
// of the date goes through SetDate, and of the time through the time columns' SetTime.

#include "window/ColumnTyping.h"

#include "date/modDate.h"
#include "platform/Keyboard.h"
#include "runtime/Clock.h"
#include "runtime/ClockStyle.h"
#include "runtime/DateText.h"
#include "runtime/Locale.h"
#include "runtime/RuntimeError.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <array>
#include <vector>

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

// The names a column can be typed by, each value's in turn: the months, or the two halves of
// the day. A half of the day also answers to "AM" and "PM", so that "a" and "p" select it on
// every 12-hour clock, whatever words and script the language writes it in.
std::vector<std::vector<std::string>> NamesOf(int32_t column)
{
    std::vector<std::vector<std::string>> names;
    if (column == slider::MonthColumn)
        for (int32_t month = 1; month <= 12; ++month)
            names.push_back({runtime::FoldedForMatching(runtime::MonthName(month))});
    else
        for (int32_t period = 0; period < 2; ++period)
            names.push_back({runtime::FoldedForMatching(runtime::PeriodName(period)), period == 0 ? "am" : "pm"});
    return names;
}

bool AnyStartsWith(const std::vector<std::string>& names, const std::string& typed)
{
    return std::any_of(names.begin(), names.end(), [&](const std::string& name) { return name.starts_with(typed); });
}

} // namespace

ColumnTyping::Triple ColumnTyping::SelectedTriple() const
{
    Triple triple{};
    for (int32_t each = 0; each < slider::ColumnCount; ++each)
        triple[each] = date_.CellValues()(date_.SelectedRow(), each);
    return triple;
}

void ColumnTyping::Take(int32_t column, char32_t character, int64_t now)
{
    // The pause is timed between the keys as they were typed, not as they were delivered. A
    // time from another clock (an input method's text has none of its own) starts afresh.
    if (typed_.Column != column || now - typed_.LastAt > EntryPauseMs || now < typed_.LastAt) {
        typed_ = {{}, column, now, SelectedTriple(), SelectedTriple(), SelectedMinute()};
    } else if (typed_.Left != SelectedTriple()) {
        // A click, a wheel turn or a link changed the date between two characters: the entry
        // goes on from the date as it is now, not from the one it started on.
        typed_.Start = SelectedTriple();
    }
    typed_.LastAt = now;
    // A refused date (outside the calendar or the bounds) leaves the picker as it was.
    try {
        TakeCharacter(column, character);
    } catch (const runtime::RuntimeError&) {
    }
    typed_.Left = SelectedTriple();
}

void ColumnTyping::TakeCharacter(int32_t column, char32_t character)
{
    std::u32string& characters = typed_.Characters;
    if (character == platform::VK_BACK) {
        if (characters.empty())
            return;
        characters.pop_back();
        // What remains of the entry is selected, and the date from before it once nothing does.
        const bool selected = !characters.empty() && (AllDigits(characters) ? SelectTypedValue(column)
                                                                             : SelectTypedName(column));
        if (selected)
            return;
        if (column >= slider::FirstTimeColumn)
            time_->Slider().SetTime({date_.SelectedDate(), typed_.StartMinute});
        else
            date_.SetDate(typed_.Start[0], typed_.Start[1], typed_.Start[2]);
        return;
    }
    const bool named = column == slider::MonthColumn || column == slider::PeriodColumn;
    const bool digit = DigitOf(character) >= 0 && column != slider::PeriodColumn;
    const bool letter = !digit && QChar::isLetter(character);
    if (!digit && !(letter && named)) {
        // Something the column cannot take ends the entry, as any other key does.
        characters.clear();
        return;
    }
    // An entry is all digits or all letters; a character of the other kind begins a new one.
    if (!characters.empty() && AllDigits(characters) != digit)
        characters.clear();
    characters += character;
    if (letter)
        SelectTypedName(column);
    else
        SelectTypedValue(column);
}

// Digits: a year once there are four of them; a day or a month as soon as they name one of
// the selected month's days or one of the twelve months, else the last digit begins afresh.
bool ColumnTyping::SelectTypedValue(int32_t column)
{
    if (column >= slider::FirstTimeColumn)
        return SelectTypedTime(column);
    Triple triple = typed_.Start;
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
    date_.SetDate(triple[0], triple[1], triple[2]);
    return true;
}

// Digits name an hour (0 to 23, or 1 to 12 in the selected half of the day) or a minute, which
// goes down to the step before it.
bool ColumnTyping::SelectTypedTime(int32_t column)
{
    std::u32string& digits = typed_.Characters;
    const runtime::ClockStyle& clock = time_->Slider().Setup().Clock;
    const bool hours = column == slider::HourColumn;
    const int32_t first = hours && clock.TwelveHour ? 1 : 0;
    const int32_t last = hours ? (clock.TwelveHour ? 12 : 23) : 59;
    const auto names = [&] {
        const int32_t number = NumberOf(digits);
        return digits.size() <= 2 && number >= first && number <= last;
    };
    if (!names())
        digits.erase(0, digits.size() - 1);
    // "0" on a 12-hour clock names no hour yet; "09" will.
    if (!names())
        return false;
    const int32_t number = NumberOf(digits);
    const int32_t now = SelectedMinute();
    const int32_t afternoon = clock.TwelveHour && now >= 12 * 60 ? 12 : 0;
    const int32_t minute = hours ? ((clock.TwelveHour ? number % 12 + afternoon : number) * 60 + now % 60)
                                 : now - now % 60 + number - number % time_->Slider().Setup().MinuteStep;
    time_->Slider().SetTime({date_.SelectedDate(), minute});
    return true;
}

bool ColumnTyping::SelectTypedName(int32_t column)
{
    const std::string typed = runtime::FoldedForMatching(Utf8(typed_.Characters));
    const Triple& start = typed_.Start;
    const std::vector<std::vector<std::string>> names = NamesOf(column);
    const auto select = [&](int32_t index) {
        if (column == slider::MonthColumn)
            date_.SetDate(index + 1, start[slider::DayColumn], start[slider::YearColumn]);
        else
            time_->Slider().SetTime({date_.SelectedDate(), SelectedMinute() % (12 * 60) + index * 12 * 60});
    };
    const int32_t count = static_cast<int32_t>(names.size());
    for (int32_t index = 0; index < count; ++index) {
        if (AnyStartsWith(names[static_cast<size_t>(index)], typed)) {
            select(index);
            return true;
        }
    }
    // No name begins with the same letter pressed again ("jj"): move on from the selected month
    // to the next one that begins with that letter.
    const std::u32string& characters = typed_.Characters;
    if (characters.find_first_not_of(characters.front()) != std::u32string::npos)
        return false;
    const std::string first = runtime::FoldedForMatching(Utf8(characters.substr(0, 1)));
    const int32_t selected = column == slider::MonthColumn
                                 ? date_.CellValues()(date_.SelectedRow(), slider::MonthColumn) - 1
                                 : SelectedMinute() / (12 * 60);
    for (int32_t step = 1; step <= count; ++step) {
        const int32_t index = (selected + step) % count;
        if (AnyStartsWith(names[static_cast<size_t>(index)], first)) {
            select(index);
            return true;
        }
    }
    return false;
}
