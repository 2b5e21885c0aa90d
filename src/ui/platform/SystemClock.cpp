#include "ui/platform/SystemClock.h"

#include <QTime>

float SystemClock::secondsSinceMidnight() const
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}
