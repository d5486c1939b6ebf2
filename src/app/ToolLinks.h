#pragma once

#include <optional>

/// The picker answers to the names of other dialog tools, through links named after them: a
/// calendar of theirs opens the picker, every other dialog runs the tool itself.
namespace toollinks {

/// A dialog tool whose calendar the picker stands in for.
enum class Tool { Zenity, Yad, Kdialog };

/// The tool that `programPath` (argv[0]) names by its last part, or nothing for any other name.
std::optional<Tool> ToolNamed(const char* programPath);

/// Runs the program as `tool`: its --calendar in the picker, with the tool's options and exit
/// statuses; any other call in the first program of that name in PATH that is not the picker,
/// with the same arguments and streams, replacing this process. Returns the picker's exit status,
/// or 127 after a line on standard error when there is no such program.
int RunAs(Tool tool, int& argc, char** argv);

} // namespace toollinks
