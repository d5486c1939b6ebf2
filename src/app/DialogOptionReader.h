#pragma once

#include "app/OptionValues.h"
#include "app/PickerOptions.h"

namespace app {

/// Reads what the dialog shows and how it ends into `options`: --print, the title, the prompt,
/// the buttons and their labels, Escape, --timeout, the least size, the week line and the days'
/// descriptions. Reads after ReadDateOptions, whose --date-format reads --details. Returns why it
/// refuses them, or an empty text.
QString ReadDialogOptions(const OptionValues& values, PickerOptions& options);

} // namespace app
