#pragma once

#include <cstdint>
#include <vector>

namespace runtime {

class Dispatchable;

/// One loaded form: the object reached by name and its window handle.
struct LoadedForm {
    Dispatchable* Form;
    uintptr_t WindowHandle;
};

/// Adds a form to the application's loaded forms, at the end.
void AddLoadedForm(Dispatchable& form, uintptr_t windowHandle);
/// Removes a form when it unloads.
void RemoveLoadedForm(const Dispatchable& form);
/// The loaded forms in the order they were loaded.
const std::vector<LoadedForm>& LoadedForms();

} // namespace runtime
