#pragma once

#include <stdexcept>
#include <string>

namespace runtime {

/// Numbers of the run-time errors the program raises.
enum ErrorNumber : int {
    ErrInvalidCall = 5,
    ErrOverflow = 6,
    ErrSubscript = 9,
    ErrTypeMismatch = 13,
    ErrCannotCreateObject = 429,
    ErrNoSuchMember = 438,
    ErrWrongArgumentCount = 450,
};

/// The standard text of a run-time error number ("Overflow" for 6), in English.
std::string ErrorText(int number);

/// A numbered run-time error that travels to the caller.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number);

    /// The error's number (5, 6, 9, 13, ...).
    int Number() const { return number_; }

private:
    int number_;
};

/// Raises run-time error `number`.
[[noreturn]] void Raise(int number);

} // namespace runtime
