#include "platform/core/numbers.h"

#include <gtest/gtest.h>

#include "platform/core/error.h"

using namespace platform;

TEST(Numbers, conversions_round_halves_to_the_even_neighbour) {
    struct Case {
        double value;
        int expected;
    } cases[] = {
        {162.5, 162}, {163.5, 164},  {-2.5, -2},    {-3.5, -4},     {0.5, 0},
        {1.5, 2},     {42.4999, 42}, {42.5001, 43}, {7680.0, 7680},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toInt32(c.value), c.expected) << c.value;
        EXPECT_EQ(toInt16(c.value), c.expected) << c.value;
    }
}

TEST(Numbers, a_16_bit_variable_refuses_values_outside_its_range) {
    Int16 n = 32767;
    EXPECT_EQ(n, 32767);
    try {
        n = n + 1;
        FAIL() << "no overflow";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), err::Overflow);
    }
    EXPECT_EQ(n, 32767) << "a failed assignment leaves the variable as it was";
    n = -32768;
    EXPECT_EQ(n, -32768);
    EXPECT_THROW(toInt16(32767.5), Error);  // rounds to 32768
    EXPECT_EQ(toInt16(32766.5), 32766);
    EXPECT_THROW(toInt32(1.0 / 0.0), Error);
    EXPECT_THROW(Int32(2147483648LL), Error);
}
