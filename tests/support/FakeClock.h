#pragma once

#include "platform/Clock.h"

// A clock that stands still until the test moves it.
class FakeClock : public Clock
{
public:
    explicit FakeClock(float now = 36000.0f) : m_now(now) {}
    float secondsSinceMidnight() const override { return m_now; }
    void set(float now) { m_now = now; }
    // Moves on, starting again from 0 at midnight.
    void advance(float seconds);

private:
    float m_now;
};
