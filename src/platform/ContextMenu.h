#pragma once

#include <functional>
#include <string>
#include <vector>

/// Small pop-up menus of plain entries.
namespace platform {

/// One entry of a menu: its text, the keys that do the same written as "Ctrl+Shift+C" (empty:
/// none), shown beside it in the desktop's words, and whether it can be picked (if not, it is
/// shown greyed).
struct MenuEntry {
    std::string Text;
    std::string Shortcut{};
    bool Enabled = true;
};

/// Shows `entries` as a menu at screen point (x, y) and waits until the user picks one or
/// closes the menu; returns the index picked, or -1 when none was.
int ShowContextMenu(int x, int y, const std::vector<MenuEntry>& entries);

/// What stands in for the menu: it gets the position and the entries and returns the pick.
using ContextMenuFunction = std::function<int(int x, int y, const std::vector<MenuEntry>& entries)>;
/// Replaces the desktop's menu; an empty function restores it.
void UseContextMenu(ContextMenuFunction menu);

} // namespace platform
