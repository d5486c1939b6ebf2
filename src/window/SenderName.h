#pragma once

#include "markup/Element.h"
#include "runtime/Text.h"

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
