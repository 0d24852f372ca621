#include <gtest/gtest.h>

#include <limits>

#include "platform/locale_format.h"

namespace tarn::platform {
namespace {

struct Case {
    long double value;
    const char* point;  // with '.'
    const char* comma;  // with ','
};

TEST(GeneralNumberText, ShowsFifteenSignificantDigitsFixedOrWithAnExponent) {
    const Case cases[] = {
        {2.5L, "2.5", "2,5"},
        {1.0L, "1", "1"},
        {100.0L, "100", "100"},
        {0.1L, "0.1", "0,1"},
        {1.0L / 3, "0.333333333333333", "0,333333333333333"},
        {2.0L / 3, "0.666666666666667", "0,666666666666667"},
        {1234567.891L, "1234567.891", "1234567,891"},
        {123456789012345.0L, "123456789012345", "123456789012345"},
        {123456789012345678.0L, "1.23456789012346E17", "1,23456789012346E17"},
        {1E15L, "1E15", "1E15"},
        {999999999999999.9L, "1E15", "1E15"},  // rounds up to the exponent form
        {1E20L, "1E20", "1E20"},
        {1.25E20L, "1.25E20", "1,25E20"},
        {0.00001L, "0.00001", "0,00001"},
        {0.000001L, "1E-6", "1E-6"},
        {1.5E-7L, "1.5E-7", "1,5E-7"},
        {1E-300L, "1E-300", "1E-300"},
        {-2.5L, "-2.5", "-2,5"},
        {-1E20L, "-1E20", "-1E20"},
        {-1.5E-7L, "-1.5E-7", "-1,5E-7"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GeneralNumberText(c.value, '.'), c.point);
        EXPECT_EQ(GeneralNumberText(c.value, ','), c.comma);
    }
}

TEST(GeneralNumberText, ZeroAndTheValuesThatAreNoNumbers) {
    EXPECT_EQ(GeneralNumberText(0.0L, ','), "0");
    EXPECT_EQ(GeneralNumberText(-0.0L, '.'), "0");
    EXPECT_EQ(GeneralNumberText(std::numeric_limits<long double>::infinity(), '.'), "INF");
    EXPECT_EQ(GeneralNumberText(-std::numeric_limits<long double>::infinity(), '.'), "-INF");
    EXPECT_EQ(GeneralNumberText(std::numeric_limits<long double>::quiet_NaN(), '.'), "NAN");
}

}  // namespace
}  // namespace tarn::platform
