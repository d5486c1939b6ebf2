#pragma once

#include <functional>
#include <string>
#include <vector>

/// Small pop-up menus of plain entries.
namespace platform {

/// Shows `entries` as a menu at screen point (x, y) and waits until the user picks one or
/// closes the menu; returns the index picked, or -1 when none was. An entry whose flag in
/// `enabled` is false is shown greyed and cannot be picked; a missing flag counts as true.
int ShowContextMenu(int x, int y, const std::vector<std::string>& entries, const std::vector<bool>& enabled = {});

/// What stands in for the menu: it gets the position, the entries and their enabled flags
/// (one per entry) and returns the pick.
using ContextMenuFunction =
    std::function<int(int x, int y, const std::vector<std::string>& entries, const std::vector<bool>& enabled)>;
/// Replaces the desktop's menu; an empty function restores it.
void UseContextMenu(ContextMenuFunction menu);

} // namespace platform
