#pragma once

#include "app/OptionValues.h"
#include "app/PickerOptions.h"

namespace app {

/// Reads how the window opens and presents itself into `options`: its place (--center, --mouse,
/// --posx, --posy, --geometry), the window manager's treatment (--undecorated, --on-top, ...),
/// --borders, --fontname, --timeout-indicator, --print-xid, --class and --name. Adds to
/// `warnings` what it reads otherwise than written; returns why it refuses them, or an empty text.
QString ReadWindowOptions(const OptionValues& values, PickerOptions& options, QStringList& warnings);

} // namespace app
