#include "runtime/RuntimeError.h"

namespace runtime {

std::string ErrorText(int number)
{
    switch (number) {
    case ErrInvalidCall: return "Invalid procedure call or argument";
    case ErrOverflow: return "Overflow";
    case ErrSubscript: return "Subscript out of range";
    case ErrTypeMismatch: return "Type mismatch";
    case ErrCannotCreateObject: return "Can't create object";
    case ErrNoSuchMember: return "Object doesn't support this property or method";
    case ErrWrongArgumentCount: return "Wrong number of arguments or invalid property assignment";
    default: return "Application-defined or object-defined error";
    }
}

RuntimeError::RuntimeError(int number)
    : std::runtime_error("Run-time error " + std::to_string(number) + ": " + ErrorText(number))
    , number_(number)
{
}

void Raise(int number)
{
    throw RuntimeError(number);
}

} // namespace runtime
