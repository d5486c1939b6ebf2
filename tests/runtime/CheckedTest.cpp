#include "runtime/Checked.h"
#include "support/TestEnvironment.h"

#include <cmath>
#include <limits>

using namespace runtime;

TEST(Checked, ArithmeticRaisesOverflowInsteadOfWrapping)
{
    EXPECT_EQ(CheckedAdd(2147483646, 1), 2147483647);
    EXPECT_RUNTIME_ERROR(CheckedAdd(2147483647, 1), ErrOverflow);
    EXPECT_RUNTIME_ERROR(CheckedSubtract(-2147483647 - 1, 1), ErrOverflow);
    EXPECT_EQ(CheckedMultiply(-65536, 32768), -2147483647 - 1);
    EXPECT_RUNTIME_ERROR(CheckedMultiply(65536, 32768), ErrOverflow);
}

TEST(Checked, NarrowingAndIndexes)
{
    EXPECT_EQ(NarrowTo16(-32768), -32768);
    EXPECT_EQ(NarrowTo16(32767), 32767);
    EXPECT_RUNTIME_ERROR(NarrowTo16(32768), ErrOverflow);
    EXPECT_RUNTIME_ERROR(NarrowTo16(-32769), ErrOverflow);
    EXPECT_EQ(CheckedIndex(4, 5), 4);
    EXPECT_RUNTIME_ERROR(CheckedIndex(5, 5), ErrSubscript);
    EXPECT_RUNTIME_ERROR(CheckedIndex(-1, 5), ErrSubscript);
}

TEST(Checked, RoundingTakesHalvesToEven)
{
    EXPECT_EQ(RoundHalfEven(127.5), 128);
    EXPECT_EQ(RoundHalfEven(178.5), 178);
    EXPECT_EQ(RoundHalfEven(25.5), 26);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
}

TEST(Checked, TextToInt32ReadsDecimalNumbersOnly)
{
    EXPECT_EQ(TextToInt32("7"), 7);
    EXPECT_EQ(TextToInt32(" -12 "), -12);
    EXPECT_EQ(TextToInt32("+04"), 4);
    EXPECT_EQ(TextToInt32("-2147483648"), -2147483647 - 1);
    for (const char* text : {"", " ", "-", "1x", "x1", "1 2", "0x10", "1.5"})
        EXPECT_RUNTIME_ERROR(TextToInt32(text), ErrTypeMismatch);
    EXPECT_RUNTIME_ERROR(TextToInt32("2147483648"), ErrOverflow);
    EXPECT_RUNTIME_ERROR(TextToInt32("99999999999999999999999"), ErrOverflow);
}

TEST(RuntimeError, CarriesItsNumberAndStandardText)
{
    EXPECT_EQ(ErrorText(5), "Invalid procedure call or argument");
    EXPECT_EQ(ErrorText(6), "Overflow");
    EXPECT_EQ(ErrorText(9), "Subscript out of range");
    EXPECT_EQ(ErrorText(13), "Type mismatch");
    const RuntimeError failure(9);
    EXPECT_EQ(failure.Number(), 9);
    EXPECT_STREQ(failure.what(), "Run-time error 9: Subscript out of range");
}
