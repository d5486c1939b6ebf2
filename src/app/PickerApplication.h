#pragma once

#include <functional>

class Form1;

/// Loads and shows the picker window and runs the event loop until it closes. `onShown`,
/// when given, is called once the window is shown. Returns the exit status; a window that
/// cannot be built is reported on standard error and in a dialog, with status 1.
int RunPicker(const std::function<void(Form1&)>& onShown = {});
