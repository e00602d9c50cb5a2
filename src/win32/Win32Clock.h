#pragma once
// The local clock, formatted with the user's locale.

#include "platform/Clock.h"

class Win32Clock : public IClock {
public:
    LocalTime Now() override;
    std::int64_t SteadyMilliseconds() override;
    std::string ShortDateText(const LocalTime& time) override;
    std::string LongTimeText(const LocalTime& time) override;
};
