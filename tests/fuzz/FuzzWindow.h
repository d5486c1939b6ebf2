#pragma once

#include "window/Form1.h"

#include <cstddef>
#include <cstdint>
#include <string>

/// The one loaded and shown picker window every fuzz input runs against.
class FuzzWindow : public Form1 {
public:
    /// Starts the application on the offscreen platform and loads the window, once.
    static FuzzWindow& Get();

    using Form1::SetDate;
    /// Stops the fuzzer with a message when the picker does not show one date everywhere.
    void CheckConsistent(const char* after) const;
    /// Stops the fuzzer when the picker changed at all since `before` (a refused input).
    void CheckUnchanged(const slider::CellGrid& before, const std::string& header, const char* after) const;
};

/// Reads the next `count` bytes of a fuzz input as a little-endian number, zero past the end.
uint32_t TakeBytes(const uint8_t*& data, size_t& size, size_t count);
