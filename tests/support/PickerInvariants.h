#pragma once

#include "date/DateSlider.h"

#include <string>

/// What is inconsistent in a picker: the grid not derived from its middle row, a cell text or
/// the header not matching the grid, or a selected year out of reach. Empty when the picker
/// shows exactly one date everywhere.
std::string PickerInconsistency(const DateSlider& picker);
