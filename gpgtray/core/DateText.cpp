#include "DateText.h"

#include <charconv>
#include <chrono>
#include <cstdio>

namespace gpgtray {

namespace {

using namespace std::chrono;

std::optional<long long> Digits(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<long long> ParseIsoTime(std::string_view text) {
    const auto y = Digits(text.substr(0, 4)), mo = Digits(text.substr(4, 2)),
               d = Digits(text.substr(6, 2)), h = Digits(text.substr(9, 2)),
               mi = Digits(text.substr(11, 2)), s = Digits(text.substr(13, 2));
    if (!y || !mo || !d || !h || !mi || !s) {
        return std::nullopt;
    }
    const year_month_day date{year(static_cast<int>(*y)), month(static_cast<unsigned>(*mo)),
                              day(static_cast<unsigned>(*d))};
    if (!date.ok()) {
        return std::nullopt;
    }
    return sys_days(date).time_since_epoch().count() * 86400 + *h * 3600 + *mi * 60 + *s;
}

}  // namespace

std::optional<long long> ParseGpgTime(std::string_view text) {
    if (text.size() == 15 && text[8] == 'T') {
        return ParseIsoTime(text);
    }
    return Digits(text);
}

std::string DateText(long long secondsSince1970) {
    const year_month_day date{floor<days>(sys_seconds(seconds(secondsSince1970)))};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::string DateTimeText(long long secondsSince1970) {
    const long long secondsOfDay = ((secondsSince1970 % 86400) + 86400) % 86400;
    char time[16];
    std::snprintf(time, sizeof time, " %02lld:%02lld UTC", secondsOfDay / 3600,
                  secondsOfDay / 60 % 60);
    return DateText(secondsSince1970) + time;
}

}  // namespace gpgtray
