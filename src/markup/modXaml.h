#pragma once

#include "markup/MarkupContext.h"
#include "markup/SolidColorBrush.h"
#include "markup/Thickness.h"

#include <cstdint>
#include <string>

/// Helpers that turn the window's design values (colours with transparency, thicknesses,
/// point sizes, text) into objects and values of the markup component.
namespace modXaml {

/// The factory of a hidden markup label, made once on first use; read anew on every call.
markup::MarkupContextPtr SharedMarkupContext();
/// A new brush of `colour` at `transparency` percent (0 opaque .. 100 invisible), or
/// nothing at 100. Error 5 outside 0..100, error 6 when colour plus alpha overflows.
markup::SolidColorBrushPtr CreateBrush(int32_t colour, float transparency);
/// A new thickness object with the four lengths unchanged.
markup::ThicknessPtr CreateThickness(int32_t left, int32_t top, int32_t right, int32_t bottom);
/// A point size in pixels of the screen's density; error 6 when points x dpi overflows.
float PointsToPixels(int32_t points);
/// Text with the markup characters written as entities and line breaks as tags.
std::string EscapeXaml(const std::string& text);
/// The alpha value (alpha in the top byte, zeros below) of a transparency percentage;
/// error 5 outside 0..100 or for a value that is not a number.
int32_t AlphaFromTransparency(float percent);
/// The hidden label behind SharedMarkupContext, empty until first use.
const std::shared_ptr<runtime::Dispatchable>& SharedLabel();

} // namespace modXaml

/// A design colour as 0x00BBGGRR: a negative colour names a system colour.
int32_t TranslateColor(int32_t colour);
