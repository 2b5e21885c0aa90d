#pragma once

// The time of day as the drill sees it.
class Clock
{
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with a fraction: 0 <= t < 86400.
    virtual float secondsSinceMidnight() const = 0;
};
