#pragma once

#include "app/CommandLine.h"

#include <functional>

class Form1;

/// Loads and shows the picker window as `options` ask and runs the event loop until it
/// closes. `onShown`, when given, is called once the window is shown. Returns the exit
/// status of app::ExitStatus: with --print 0 after OK, once the date is written, and 1 after
/// Cancel; without --print 0 when the window closes; 5 when --timeout ended it. A window that
/// cannot be built, or a date that cannot be written, is reported on standard error, with
/// status 3.
int RunPicker(const app::PickerOptions& options = {}, const std::function<void(Form1&)>& onShown = {});
/// Reads a command line, the program's name first, into what the picker is to do.
using CommandLineReader = std::function<app::CommandLine(const QStringList& arguments)>;
/// The whole program: reads the command line (answering --help, --version and bad options
/// without a display) with `read`, the picker's own options unless given, then runs the picker
/// as it asks. Returns the exit status: 2 for a bad command line, otherwise as RunPicker; a
/// window system that cannot start, or a display that goes away, ends the process with status 3.
int StartPicker(int& argc, char** argv, const std::function<void(Form1&)>& onShown = {},
                const CommandLineReader& read = {});
/// What --timeout does when its time has come: ends `form` with OK unless the user has ended it
/// already. Returns whether it ended it.
bool EndOnTimeout(Form1& form);
