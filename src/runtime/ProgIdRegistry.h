#pragma once

#include <functional>
#include <memory>
#include <string>

namespace runtime {

class Dispatchable;

using ComponentFactory = std::function<std::shared_ptr<Dispatchable>()>;

/// Makes a component creatable by its ProgID.
void RegisterProgId(const std::string& progId, ComponentFactory factory);
/// Creates a new component by its ProgID; error 429 for an unknown ProgID or a factory that makes nothing.
std::shared_ptr<Dispatchable> CreateObjectByProgId(const std::string& progId);

} // namespace runtime
