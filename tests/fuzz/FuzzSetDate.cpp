// SetDate with any three integers: it selects one date everywhere, or refuses with a
// numbered error and changes nothing.

#include "fuzz/FuzzWindow.h"

#include "runtime/RuntimeError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzWindow& window = FuzzWindow::Get();
    const auto month = static_cast<int32_t>(TakeBytes(data, size, 4));
    const auto day = static_cast<int32_t>(TakeBytes(data, size, 4));
    const auto year = static_cast<int32_t>(TakeBytes(data, size, 4));
    const slider::CellGrid before = window.CellValues();
    const std::string header = window.DateHeader()->Text();
    try {
        window.SetDate(month, day, year);
    } catch (const runtime::RuntimeError&) {
        window.CheckUnchanged(before, header, "SetDate");
    }
    window.CheckConsistent("SetDate");
    return 0;
}
