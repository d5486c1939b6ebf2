#pragma once

#include "markup/Element.h"

#include <functional>
#include <vector>

namespace markup {

/// The children (or inlines) of one element, in the order they were added.
class ElementCollection {
public:
    /// `adopt` makes each added item a child of the owner and checks it.
    explicit ElementCollection(std::function<void(const ElementPtr&)> adopt) : adopt_(std::move(adopt)) {}

    /// Appends an item; error 5 for nothing or an item that already has a parent.
    void Add(const ElementPtr& item)
    {
        adopt_(item);
        items_.push_back(item);
    }
    size_t Count() const { return items_.size(); }
    const ElementPtr& Item(size_t index) const { return items_.at(index); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::function<void(const ElementPtr&)> adopt_;
    std::vector<ElementPtr> items_;
};

} // namespace markup
