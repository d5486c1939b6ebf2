#include "runtime/Text.h"

namespace runtime {

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t found = text.find(separator); found != std::string_view::npos; found = text.find(separator, start)) {
        parts.emplace_back(text.substr(start, found - start));
        start = found + 1;
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

} // namespace runtime
