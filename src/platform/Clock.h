#pragma once
// The clock, and the user's date and time formats.

#include <cstdint>
#include <string>

struct LocalTime {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

class IClock {
public:
    virtual ~IClock() = default;

    // The current local date and time.
    virtual LocalTime Now() = 0;

    // Milliseconds on a clock that only goes forward, whatever is done to the local time:
    // for measuring waits.
    virtual std::int64_t SteadyMilliseconds() = 0;

    // The date of `time` in the user's short date format ("06/12/98").
    virtual std::string ShortDateText(const LocalTime& time) = 0;

    // The time of day of `time` in the user's long time format, with seconds ("14:03:22").
    virtual std::string LongTimeText(const LocalTime& time) = 0;
};
