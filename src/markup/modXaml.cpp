#include "markup/modXaml.h"

#include "markup/MarkupLabel.h"
#include "platform/Screen.h"
#include "platform/SystemColors.h"
#include "runtime/Checked.h"
#include "runtime/ProgIdRegistry.h"

#include <cmath>
#include <utility>

using runtime::ErrInvalidCall;
using runtime::Raise;

int32_t TranslateColor(int32_t colour)
{
    if (colour >= 0)
        return colour;
    const auto index = static_cast<int>(static_cast<uint32_t>(colour) & 0xFFFFFFu);
    return static_cast<int32_t>(platform::GetSysColor(index));
}

namespace modXaml {
namespace {

std::shared_ptr<runtime::Dispatchable>& SharedLabelSlot()
{
    static std::shared_ptr<runtime::Dispatchable> label;
    return label;
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to)
{
    std::string result;
    result.reserve(text.size());
    size_t start = 0;
    for (size_t found = text.find(from); found != std::string::npos; found = text.find(from, start)) {
        result.append(text, start, found - start).append(to);
        start = found + from.size();
    }
    result.append(text, start);
    return result;
}

} // namespace

const std::shared_ptr<runtime::Dispatchable>& SharedLabel() { return SharedLabelSlot(); }

markup::MarkupContextPtr SharedMarkupContext()
{
    auto& label = SharedLabelSlot();
    if (!label)
        label = runtime::CreateObjectByProgId(markup::MarkupLabel::ProgId);
    return std::any_cast<markup::MarkupContextPtr>(label->CallByName("MarkupContext", {}));
}

int32_t AlphaFromTransparency(float percent)
{
    // Written so that a NaN fails the test as well.
    if (!(percent >= 0 && percent <= 100))
        Raise(ErrInvalidCall);
    const double alpha = 255.0 - static_cast<double>(percent) / 100.0 * 255.0;
    const auto alphaByte = static_cast<int64_t>(runtime::RoundHalfEven(alpha));
    // Alpha goes into the top byte; above 127 the bit pattern is a negative number.
    const int64_t shifted = alphaByte << 24;
    return static_cast<int32_t>(shifted > INT32_MAX ? shifted - (int64_t{1} << 32) : shifted);
}

markup::SolidColorBrushPtr CreateBrush(int32_t colour, float transparency)
{
    // A transparency just below 100 can round to alpha 0; step it down until something shows.
    float step = 0;
    int32_t alpha = 0;
    do {
        alpha = AlphaFromTransparency(transparency - step);
        step = step + 0.1f;
    } while (transparency < 100 && alpha == 0);

    if (alpha == 0)
        return nullptr;
    auto brush = markup::As<markup::SolidColorBrush>(SharedMarkupContext()->CreateObject("SolidColorBrush"));
    if (!brush)
        return nullptr;
    brush->SetColor(runtime::CheckedAdd(TranslateColor(colour), alpha));
    return brush;
}

markup::ThicknessPtr CreateThickness(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return SharedMarkupContext()->CreateThicknessObject(left, top, right, bottom);
}

float PointsToPixels(int32_t points)
{
    const auto twipsPerPixel = static_cast<int32_t>(runtime::RoundHalfEven(platform::TwipsPerPixelY()));
    if (twipsPerPixel <= 0)
        Raise(runtime::ErrOverflow);
    const int32_t dpi = 1440 / twipsPerPixel;
    const int32_t product = runtime::CheckedMultiply(points, dpi);
    return static_cast<float>(static_cast<double>(product) / 72.0);
}

std::string EscapeXaml(const std::string& text)
{
    static const std::pair<std::string_view, std::string_view> replacements[] = {
        {"&", "&amp;"},   {"<", "&lt;"},          {">", "&gt;"},          {"'", "&apos;"}, {"\"", "&quot;"},
        {"\r\n", "<LineBreak/>"}, {"\n\r", "<LineBreak/>"}, {"\n", "<LineBreak/>"}, {"\r", "<LineBreak/>"},
    };
    std::string result = text;
    for (const auto& [from, to] : replacements)
        result = ReplaceAll(std::move(result), from, to);
    return result;
}

} // namespace modXaml
