#pragma once

#include <any>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace runtime {

/// An object whose public members are reached by name at run time, the way the
/// markup label calls its handlers and the wheel hook calls the form.
class Dispatchable {
public:
    using Arguments = std::vector<std::any>;
    using Member = std::function<std::any(const Arguments&)>;

    virtual ~Dispatchable() = default;

    /// Calls the member `name`; error 438 when there is none.
    std::any CallByName(std::string_view name, const Arguments& arguments);

    /// Whether a member of that name exists.
    bool HasMember(std::string_view name) const;

protected:
    /// Publishes a member under `name`.
    void Publish(std::string name, Member member);

private:
    std::map<std::string, Member, std::less<>> members_;
};

/// Reads argument `index` as a T: error 450 when it is missing, 13 when it is of another type.
template <typename T>
T ArgumentAs(const Dispatchable::Arguments& arguments, size_t index);

} // namespace runtime

#include "runtime/Dispatchable.inl"
