#include "runtime/Dispatchable.h"

#include "runtime/RuntimeError.h"

namespace runtime {

std::any Dispatchable::CallByName(std::string_view name, const Arguments& arguments)
{
    const auto found = members_.find(name);
    if (found == members_.end())
        Raise(ErrNoSuchMember);
    // Copy the member so that a call which republishes members cannot pull it from under itself.
    const Member member = found->second;
    return member(arguments);
}

bool Dispatchable::HasMember(std::string_view name) const { return members_.find(name) != members_.end(); }

void Dispatchable::Publish(std::string name, Member member) { members_[std::move(name)] = std::move(member); }

} // namespace runtime
