#pragma once

#include "platform/SystemColors.h"
#include "window/FormDesign.h"

#include <cstdint>
#include <optional>

namespace design {

/// The window's colours as 0x00BBGGRR, one set for each scheme. Both sets are drawn at the same
/// transparencies; the dark one keeps the light one's order of strength: the selected row
/// strongest, the rows beside it next, the outer rows dimmest.
struct Colours {
    int32_t Text;            // the header, the prompt and the note under the header
    int32_t Frame;           // the frame's fill and border, the buttons, the timeout bar
    int32_t RowTint;         // the backgrounds of the rows around the selected one
    int32_t SelectedTint;    // the background of the selected row
    int32_t OuterRowText;    // rows 0 and 4
    int32_t NearRowText;     // rows 1 and 3
    int32_t SelectedRowText; // row 2
    int32_t Separator;       // the lines between the columns
    int32_t Link;            // the special-date links
    // Values outside the bounds: this colour, or where there is none, the row's own colour
    // drawn at DimmedTransparency. The light rows are pale already; faded further they would
    // vanish, so they take one grey that keeps 2:1 on every row's tint.
    std::optional<int32_t> DimmedText;
};

constexpr Colours LightColours{Rgb(80, 96, 112),  Rgb(128, 160, 192), Rgb(32, 80, 128),
                               Rgb(128, 64, 64),  Rgb(112, 128, 144), Rgb(64, 80, 96),
                               Rgb(0, 0, 0),      Rgb(0, 0, 0),       Rgb(50, 70, 80),
                               Rgb(152, 162, 174)};
constexpr Colours DarkColours{Rgb(176, 192, 210), Rgb(140, 172, 210), Rgb(120, 170, 230),
                              Rgb(220, 110, 110), Rgb(204, 211, 220), Rgb(226, 232, 240),
                              Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(130, 186, 240),
                              std::nullopt};

/// The colours of `scheme`.
constexpr const Colours& ColoursOf(platform::ColorScheme scheme)
{
    return scheme == platform::ColorScheme::Dark ? DarkColours : LightColours;
}

/// The colours of the scheme the system colours answer from.
inline const Colours& CurrentColours() { return ColoursOf(platform::ColorSchemeInUse()); }

/// The transparencies (percent) of the frame's fill and border and of the column separators.
constexpr float FrameFillTransparency = 90;
constexpr float FrameBorderTransparency = 50;
constexpr float SeparatorTransparency = 90;
/// The transparency (percent) of a value or link outside the bounds drawn in its own colour.
constexpr float DimmedTransparency = 70;

/// How a value or a link whose own colour is `own` is drawn outside the bounds: the scheme's
/// dimmed colour, opaque, where it has one, else `own` at DimmedTransparency.
struct DimmedInk {
    int32_t Colour;
    float Transparency;
};
inline DimmedInk DimmedInkOf(int32_t own)
{
    const std::optional<int32_t> dimmed = CurrentColours().DimmedText;
    return dimmed ? DimmedInk{*dimmed, 0} : DimmedInk{own, DimmedTransparency};
}

} // namespace design
