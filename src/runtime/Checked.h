#pragma once

#include <cstdint>
#include <string_view>

namespace runtime {

/// 32-bit sum; raises error 6 instead of wrapping.
int32_t CheckedAdd(int32_t a, int32_t b);
/// 32-bit difference; raises error 6 instead of wrapping.
int32_t CheckedSubtract(int32_t a, int32_t b);
/// 32-bit product; raises error 6 instead of wrapping.
int32_t CheckedMultiply(int32_t a, int32_t b);
/// Narrows to 16 bits; raises error 6 when the value does not fit.
int16_t NarrowTo16(int64_t value);
/// Narrows to 32 bits; raises error 6 when the value does not fit.
int32_t NarrowTo32(int64_t value);
/// Returns `index` when it lies in 0..size-1, else raises error 9.
int32_t CheckedIndex(int64_t index, int64_t size);
/// Rounds to the nearest integer, an exact half going to the even neighbour.
double RoundHalfEven(double value);
/// Converts decimal text (surrounding spaces and a sign allowed) to 32 bits:
/// error 13 for text that is no number, error 6 for one out of range.
int32_t TextToInt32(std::string_view text);

} // namespace runtime
