#pragma once

#include "platform/Clock.h"

// The local time of day.
class SystemClock : public Clock
{
public:
    float secondsSinceMidnight() const override;

    // 0 <= milliseconds < 86400000 to seconds as a float, kept below 86400: a float near
    // midnight has steps of 1/128 s, and 86399.999 would round up to 86400 itself.
    static float secondsFromMilliseconds(int milliseconds);
};
