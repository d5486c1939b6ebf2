// The click handlers with any element name: a click selects one date everywhere, or is
// ignored or refused and changes nothing.

#include "fuzz/FuzzWindow.h"

#include "markup/Border.h"
#include "runtime/RuntimeError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzWindow& window = FuzzWindow::Get();
    auto sender = std::make_shared<markup::Border>();
    sender->SetName(std::string(reinterpret_cast<const char*>(data), size));
    for (const char* handler : {"CellClicked", "SpecialDateClicked"}) {
        const slider::CellGrid before = window.CellValues();
        const std::string header = window.DateHeader()->Text();
        try {
            window.CallByName(handler, {std::any(markup::ElementPtr(sender)), std::any()});
        } catch (const runtime::RuntimeError&) {
            window.CheckUnchanged(before, header, handler);
        }
        window.CheckConsistent(handler);
    }
    return 0;
}
