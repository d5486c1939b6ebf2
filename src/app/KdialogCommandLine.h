#pragma once

#include "app/CommandLine.h"

namespace app {

/// Reads kdialog's calendar: --calendar TEXT (the prompt), --title, --ok-label, --cancel-label,
/// --geometry and --print-winid as kdialog has them, --attach and --icon taken and ignored,
/// --dateformat (a Qt date format, "ddd MMM d yyyy" by default) and --default (a date in that
/// format). The dialog ends as kdialog's does: 1 after OK, 0 after Cancel, Escape or closing it.
CommandLine ParseKdialogCommandLine(const QStringList& arguments);

} // namespace app
