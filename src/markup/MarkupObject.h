#pragma once

#include "runtime/RuntimeError.h"

#include <memory>
#include <string_view>

namespace markup {

/// Any object of the markup component: elements, brushes, thicknesses, row definitions.
/// Objects are shared by counted references.
class MarkupObject : public std::enable_shared_from_this<MarkupObject> {
public:
    virtual ~MarkupObject() = default;
    /// The tag the object was created from ("Border", "SolidColorBrush", ...).
    virtual std::string_view Tag() const = 0;
};

using MarkupObjectPtr = std::shared_ptr<MarkupObject>;

/// Views an object as a T; error 13 when it is of another kind. Nothing stays nothing.
template <typename T>
std::shared_ptr<T> As(const MarkupObjectPtr& object)
{
    if (!object)
        return nullptr;
    auto typed = std::dynamic_pointer_cast<T>(object);
    if (!typed)
        runtime::Raise(runtime::ErrTypeMismatch);
    return typed;
}

} // namespace markup
