#pragma once

#include "app/CommandLine.h"

#include <functional>

class Form1;

/// Loads and shows the picker window as `options` ask and runs the event loop until it
/// closes. `onShown`, when given, is called once the window is shown. Returns the exit
/// status: with --print 0 after OK, once the date is printed, and 1 otherwise; a window that
/// cannot be built is reported on standard error and in a dialog, with status 1.
int RunPicker(const app::PickerOptions& options = {}, const std::function<void(Form1&)>& onShown = {});
/// The whole program: reads the command line (answering --help, --version and bad options
/// without a display), then runs the picker as it asks. Returns the exit status: 2 for a bad
/// command line, otherwise as RunPicker.
int StartPicker(int& argc, char** argv, const std::function<void(Form1&)>& onShown = {});
