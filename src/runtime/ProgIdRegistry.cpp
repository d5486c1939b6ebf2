#include "runtime/ProgIdRegistry.h"

#include "runtime/RuntimeError.h"

#include <map>

namespace runtime {
namespace {

std::map<std::string, ComponentFactory>& Registry()
{
    static std::map<std::string, ComponentFactory> registry;
    return registry;
}

} // namespace

void RegisterProgId(const std::string& progId, ComponentFactory factory) { Registry()[progId] = std::move(factory); }

std::shared_ptr<Dispatchable> CreateObjectByProgId(const std::string& progId)
{
    const auto found = Registry().find(progId);
    if (found == Registry().end())
        Raise(ErrCannotCreateObject);
    auto component = found->second();
    if (!component)
        Raise(ErrCannotCreateObject);
    return component;
}

} // namespace runtime
