#pragma once

#include "runtime/Date.h"
#include "runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

/// Pins the clock to `date` for the life of the object, and puts the fixed one back after.
class FixedToday {
public:
    explicit FixedToday(const runtime::Date& date);
    ~FixedToday();
    FixedToday(const FixedToday&) = delete;
    FixedToday& operator=(const FixedToday&) = delete;
};

/// Sets the local time zone (TZ) to `zone` for the life of the object, then puts back the one before.
class LocalZone {
public:
    explicit LocalZone(const char* zone) : saved_(std::getenv("TZ") ? std::getenv("TZ") : "") { Set(zone); }
    ~LocalZone() { Set(saved_.empty() ? nullptr : saved_.c_str()); }

private:
    static void Set(const char* zone) { (zone ? ::setenv("TZ", zone, 1) : ::unsetenv("TZ")), ::tzset(); }
    std::string saved_;
};

/// The date (year, month, day), for short test tables.
runtime::Date Ymd(int year, int month, int day);

/// Expects `statement` to raise run-time error `number`.
#define EXPECT_RUNTIME_ERROR(statement, number)                                  \
    do {                                                                         \
        try {                                                                    \
            statement;                                                           \
            ADD_FAILURE() << #statement " raised nothing";                       \
        } catch (const runtime::RuntimeError& failure) {                         \
            EXPECT_EQ(failure.Number(), number) << #statement;                   \
        }                                                                        \
    } while (false)
