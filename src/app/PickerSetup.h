#pragma once

#include "app/PickerOptions.h"
#include "app/ScriptButton.h"
#include "window/FormSetup.h"

#include <climits>
#include <vector>

namespace app {

/// The longest timeout the event loop's timers can wait, some 24 days; no dialog waits longer.
constexpr int LongestTimeoutSeconds = INT_MAX / 1000;

/// Everything `options` ask of the window before its load event: the date, its bounds and the
/// time columns, the dialog with its buttons (`row`, as DialogButtonRow reads them), the texts
/// and the window's look.
FormSetup PickerSetup(const PickerOptions& options, const std::vector<ScriptButton>& row);

} // namespace app
