#include "app/PickerApplication.h"
#include "app/ToolLinks.h"

int main(int argc, char** argv)
{
    // Run through a link named after another dialog tool, the program is that tool's calendar.
    if (const auto tool = toollinks::ToolNamed(argc > 0 ? argv[0] : ""))
        return toollinks::RunAs(*tool, argc, argv);
    return StartPicker(argc, argv);
}
