#include "runtime/Checked.h"

#include "runtime/RuntimeError.h"

#include <cctype>
#include <cmath>
#include <limits>

namespace runtime {

int32_t NarrowTo32(int64_t value)
{
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        Raise(ErrOverflow);
    return static_cast<int32_t>(value);
}

int32_t CheckedAdd(int32_t a, int32_t b) { return NarrowTo32(int64_t{a} + b); }

int32_t CheckedSubtract(int32_t a, int32_t b) { return NarrowTo32(int64_t{a} - b); }

int32_t CheckedMultiply(int32_t a, int32_t b) { return NarrowTo32(int64_t{a} * b); }

int16_t NarrowTo16(int64_t value)
{
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        Raise(ErrOverflow);
    return static_cast<int16_t>(value);
}

int32_t CheckedIndex(int64_t index, int64_t size)
{
    if (index < 0 || index >= size)
        Raise(ErrSubscript);
    return static_cast<int32_t>(index);
}

double RoundHalfEven(double value)
{
    // The default floating-point rounding mode rounds halves to even.
    return std::nearbyint(value);
}

int32_t TextToInt32(std::string_view text)
{
    auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);

    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        Raise(ErrTypeMismatch);

    int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            Raise(ErrTypeMismatch);
        magnitude = magnitude * 10 + (c - '0');
        // Stop growing once the value is certainly out of range; the final check reports it.
        if (magnitude > int64_t{1} << 40)
            Raise(ErrOverflow);
    }
    return NarrowTo32(negative ? -magnitude : magnitude);
}

} // namespace runtime
