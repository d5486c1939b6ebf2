#pragma once

#include "app/OptionValues.h"
#include "app/PickerOptions.h"

namespace app {

/// Reads the dates and times into `options`: --time, the start (--date, or --day, --month and
/// --year), the bounds (--min-date, --max-date) narrowed to times that can be picked,
/// --minute-step, and how the date is printed (--format, --date-format). Returns why it refuses
/// them, or an empty text.
QString ReadDateOptions(const OptionValues& values, PickerOptions& options);

} // namespace app
