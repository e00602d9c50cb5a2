#include "win32/Win32Clock.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(Win32ClockTest, NowIsTheSystemsLocalTime) {
    Win32Clock clock;
    SYSTEMTIME before{};
    GetLocalTime(&before);
    const LocalTime now = clock.Now();
    SYSTEMTIME after{};
    GetLocalTime(&after);
    EXPECT_TRUE(now.year == before.wYear || now.year == after.wYear);
    EXPECT_TRUE(now.day == before.wDay || now.day == after.wDay);
    EXPECT_TRUE(now.minute == before.wMinute || now.minute == after.wMinute);
    EXPECT_TRUE(now.second == before.wSecond || now.second == after.wSecond);
}

TEST(Win32ClockTest, TextsCarryTheDateAndTheTimeWithSeconds) {
    Win32Clock clock;
    const LocalTime time{1998, 12, 6, 14, 3, 22, 500};
    const std::string date = clock.ShortDateText(time);
    EXPECT_TRUE(Contains(date, "12")) << date;
    EXPECT_TRUE(Contains(date, "6")) << date;
    EXPECT_TRUE(Contains(date, "98")) << date;
    const std::string clockText = clock.LongTimeText(time);
    EXPECT_TRUE(Contains(clockText, ":03:22")) << clockText;
    EXPECT_NE(clock.LongTimeText({1998, 12, 6, 14, 3, 23, 0}), clockText);
}

// Values that the locale functions reject still give texts with every part.
TEST(Win32ClockTest, ValuesTheLocaleRejectsUseFixedPatterns) {
    Win32Clock clock;
    EXPECT_EQ(clock.ShortDateText({1998, 13, 6, 14, 3, 22, 0}), "06/13/1998");
    EXPECT_EQ(clock.LongTimeText({1998, 12, 6, 25, 3, 22, 0}), "25:03:22");
}

}  // namespace
