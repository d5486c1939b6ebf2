#pragma once

#include "markup/Element.h"
#include "runtime/Checked.h"
#include "runtime/Text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// The name of the element that reported an event, split at every "_": the handlers read
/// what they need from its parts. No parts when there is no element or it has no name.
inline std::vector<std::string> SenderNameParts(const markup::ElementPtr& sender)
{
    if (!sender || sender->Name().empty())
        return {};
    return runtime::Split(sender->Name(), '_');
}

/// The number after the one "_" of a name such as "SpecialDate_3", or nothing for a name of
/// another shape; error 13 when the number does not read as one, 6 when it is out of range.
inline std::optional<int32_t> SenderIndex(const markup::ElementPtr& sender)
{
    const std::vector<std::string> parts = SenderNameParts(sender);
    if (parts.size() != 2)
        return std::nullopt;
    return runtime::TextToInt32(parts[1]);
}
