#pragma once

#include <cstdint>
#include <optional>
#include <vector>

/// Where the keyboard focus is among the window's stops: the columns in the order they stand,
/// then the links, then the dialog buttons. It owns the order and the focus; the window shows
/// the ring on the element at the stop.
class KeyboardFocus {
public:
    /// The stops: `columns` (0..5, as the window counts them) in order, `links` links and
    /// `buttons` buttons.
    void SetStops(std::vector<int32_t> columns, int32_t links, int32_t buttons);

    /// The focused stop, -1 for none.
    int32_t Index() const { return index_; }
    /// Moves the focus to `stop` (-1 none).
    void MoveTo(int32_t stop) { index_ = stop; }
    /// Where Tab (or Shift+Tab, `backwards`) moves the focus: forwards from none onto the first
    /// stop, backwards onto the last.
    int32_t NextStop(bool backwards) const;
    /// How many stops there are, and how many of them are columns.
    int32_t StopCount() const { return ColumnStopCount() + links_ + buttons_; }
    int32_t ColumnStopCount() const { return static_cast<int32_t>(columns_.size()); }
    /// The column at stop `stop`, or -1 for a stop that is no column.
    int32_t ColumnAtStop(int32_t stop) const;
    /// The focused column, link and button, if the focus is on one.
    int32_t FocusedColumn() const { return ColumnAtStop(index_); }
    std::optional<int32_t> FocusedLink() const;
    std::optional<int32_t> FocusedButton() const;

private:
    std::vector<int32_t> columns_;
    int32_t links_ = 0;
    int32_t buttons_ = 0;
    int32_t index_ = -1;
};
