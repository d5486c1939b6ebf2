#pragma once

#include "markup/ElementCollection.h"

namespace markup {

/// An element that holds a list of child elements.
class Panel : public Element {
public:
    Panel() : children_([this](const ElementPtr& child) { Adopt(child); }) {}

    ElementCollection& Children() { return children_; }
    const ElementCollection& Children() const { return children_; }
    void ForEachChild(const std::function<void(const ElementPtr&)>& visit) const override
    {
        for (const ElementPtr& child : children_)
            visit(child);
    }

private:
    ElementCollection children_;
};

} // namespace markup
