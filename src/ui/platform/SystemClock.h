#pragma once

#include "ui/platform/Clock.h"

// The local time of day.
class SystemClock : public Clock
{
public:
    float secondsSinceMidnight() const override;
};
