#include "window/KeyboardFocus.h"

void KeyboardFocus::SetStops(std::vector<int32_t> columns, int32_t links, int32_t buttons)
{
    columns_ = std::move(columns);
    links_ = links;
    buttons_ = buttons;
}

int32_t KeyboardFocus::NextStop(bool backwards) const
{
    const int32_t from = index_ < 0 ? (backwards ? 0 : -1) : index_;
    return (from + (backwards ? -1 : 1) + StopCount()) % StopCount();
}

int32_t KeyboardFocus::ColumnAtStop(int32_t stop) const
{
    return stop >= 0 && stop < ColumnStopCount() ? columns_[static_cast<size_t>(stop)] : -1;
}

std::optional<int32_t> KeyboardFocus::FocusedLink() const
{
    const int32_t link = index_ - ColumnStopCount();
    return link >= 0 && link < links_ ? std::optional(link) : std::nullopt;
}

std::optional<int32_t> KeyboardFocus::FocusedButton() const
{
    const int32_t button = index_ - ColumnStopCount() - links_;
    return button >= 0 ? std::optional(button) : std::nullopt;
}
