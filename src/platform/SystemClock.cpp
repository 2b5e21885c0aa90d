#include "platform/SystemClock.h"

#include <QTime>

#include <cmath>

float SystemClock::secondsSinceMidnight() const
{
    return secondsFromMilliseconds(QTime::currentTime().msecsSinceStartOfDay());
}

float SystemClock::secondsFromMilliseconds(int milliseconds)
{
    const float seconds = static_cast<float>(milliseconds / 1000.0);
    constexpr float Day = 86400.0f;
    return seconds < Day ? seconds : std::nextafter(Day, 0.0f);
}
