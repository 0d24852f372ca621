#include <gtest/gtest.h>

#include "platform/fixed_locale_format.h"

namespace tarn::platform {
namespace {

TEST(FixedLocaleFormat, WritesUsEnglishShortDateAndLongTime) {
    FixedLocaleFormat format;
    EXPECT_EQ(format.DateTimeText({2026, 5, 20, 9, 5, 3}), "5/20/2026 9:05:03 AM");
    EXPECT_EQ(format.DateTimeText({2026, 12, 1, 23, 59, 59}), "12/1/2026 11:59:59 PM");
    EXPECT_EQ(format.DateTimeText({2026, 1, 9, 12, 0, 0}), "1/9/2026 12:00:00 PM");
    EXPECT_EQ(format.DateTimeText({2026, 1, 9, 0, 0, 1}), "1/9/2026 12:00:01 AM");
    EXPECT_EQ(format.DateTimeText({999, 1, 9, 13, 10, 0}), "1/9/0999 1:10:00 PM");
    EXPECT_EQ(format.DateTimeText({2026, 5, 21, 0, 0, 0}), "5/21/2026");  // midnight: the date alone
    EXPECT_EQ(format.DecimalSeparator(), '.');
    EXPECT_EQ(FixedLocaleFormat(',').DecimalSeparator(), ',');
}

}  // namespace
}  // namespace tarn::platform
