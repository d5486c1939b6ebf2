#include "runtime/RuntimeError.h"

#include <QtGlobal>

namespace runtime {

std::string ErrorText(int number)
{
    switch (number) {
    case ErrInvalidCall: return QT_TRANSLATE_NOOP("runtime", "Invalid procedure call or argument");
    case ErrOverflow: return QT_TRANSLATE_NOOP("runtime", "Overflow");
    case ErrSubscript: return QT_TRANSLATE_NOOP("runtime", "Subscript out of range");
    case ErrTypeMismatch: return QT_TRANSLATE_NOOP("runtime", "Type mismatch");
    case ErrCannotCreateObject: return QT_TRANSLATE_NOOP("runtime", "Can't create object");
    case ErrNoSuchMember: return QT_TRANSLATE_NOOP("runtime", "Object doesn't support this property or method");
    case ErrWrongArgumentCount: return QT_TRANSLATE_NOOP("runtime", "Wrong number of arguments or invalid property assignment");
    default: return QT_TRANSLATE_NOOP("runtime", "Application-defined or object-defined error");
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
