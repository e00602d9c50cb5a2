#include "win32/Win32Clock.h"

#include <windows.h>

#include <cstdio>

namespace {

SYSTEMTIME ToSystemTime(const LocalTime& t) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.year);
    st.wMonth = static_cast<WORD>(t.month);
    st.wDay = static_cast<WORD>(t.day);
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    st.wMilliseconds = static_cast<WORD>(t.millisecond);
    return st;
}

// The text of a formatting call that returned `length` characters including the final
// zero byte; 0 means the call failed.
std::string Formatted(const char* text, int length) {
    return length > 0 ? std::string(text, static_cast<std::size_t>(length - 1)) : std::string();
}

// Fixed patterns for when the locale cannot format the value, so that log lines always
// carry a date and a time with seconds.
std::string FallbackDate(const LocalTime& t) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", t.day, t.month, t.year);
    return text;
}

std::string FallbackTime(const LocalTime& t) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return text;
}

}  // namespace

LocalTime Win32Clock::Now() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

std::string Win32Clock::ShortDateText(const LocalTime& time) {
    const SYSTEMTIME st = ToSystemTime(time);
    char text[128];
    const std::string date = Formatted(
        text, GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, text, sizeof text));
    return date.empty() ? FallbackDate(time) : date;
}

std::string Win32Clock::LongTimeText(const LocalTime& time) {
    const SYSTEMTIME st = ToSystemTime(time);
    char text[128];
    const std::string clock =
        Formatted(text, GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, text, sizeof text));
    return clock.empty() ? FallbackTime(time) : clock;
}

std::int64_t Win32Clock::SteadyMilliseconds() {
    return static_cast<std::int64_t>(GetTickCount64());
}
