#include "runtime/LoadedForms.h"

#include <algorithm>

namespace runtime {
namespace {

std::vector<LoadedForm>& Forms()
{
    static std::vector<LoadedForm> forms;
    return forms;
}

} // namespace

void AddLoadedForm(Dispatchable& form, uintptr_t windowHandle) { Forms().push_back({&form, windowHandle}); }

void RemoveLoadedForm(const Dispatchable& form)
{
    std::erase_if(Forms(), [&](const LoadedForm& loaded) { return loaded.Form == &form; });
}

const std::vector<LoadedForm>& LoadedForms() { return Forms(); }

} // namespace runtime
