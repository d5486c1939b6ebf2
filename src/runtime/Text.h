#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace runtime {

/// Splits `text` at every `separator`, keeping empty parts: "a__b" gives "a", "", "b".
std::vector<std::string> Split(std::string_view text, char separator);

} // namespace runtime
