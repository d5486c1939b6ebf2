#pragma once

#include <cstdint>

/// The design values of the picker window. Lengths are in twips (1/1440 inch).
namespace design {

constexpr const char* Caption = "Form1";
constexpr int ClientWidth = 7530;
constexpr int ClientHeight = 3510;

/// The window font, which also serves to measure the widest text of a column.
constexpr const char* WindowFontName = "Tahoma";
constexpr double WindowFontSize = 8.25;

/// Where the markup label sits in the client area: a narrow margin all round.
constexpr int LabelLeft = 60;
constexpr int LabelTop = 60;
constexpr int LabelWidth = 7395;
constexpr int LabelHeight = 3375;
constexpr int32_t LabelForeColor = static_cast<int32_t>(0x80000012u); // button text
constexpr int32_t LabelBackColor = static_cast<int32_t>(0x80000005u); // window background
constexpr const char* LabelFontName = "Segoe UI";
constexpr double LabelFontSize = 8.25;

/// RGB(r, g, b) as 0x00BBGGRR.
constexpr int32_t Rgb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

} // namespace design
