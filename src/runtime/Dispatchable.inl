#pragma once

#include "runtime/RuntimeError.h"

namespace runtime {

template <typename T>
T ArgumentAs(const Dispatchable::Arguments& arguments, size_t index)
{
    if (index >= arguments.size())
        Raise(ErrWrongArgumentCount);
    if (const T* value = std::any_cast<T>(&arguments[index]))
        return *value;
    Raise(ErrTypeMismatch);
}

} // namespace runtime
