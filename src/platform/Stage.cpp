#include "platform/Stage.h"

#include "error/ErrorGuard.h"
#include "platform/Clock.h"

#include <cmath>

Stage::Stage(const Clock &clock, double delaySeconds, std::function<void()> action, QObject *parent)
    : QObject(parent), m_clock(clock), m_delay(delaySeconds), m_action(std::move(action))
{
    // A child of the stage, so that whoever stops the timers of a window going away finds it.
    m_timer.setParent(this);
    // A coarse timer may wander by 5% and move the action to another tick.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(IntervalMs);
    ErrorGuard::connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
}

void Stage::begin()
{
    m_timer.start();
    m_start = roundHalfEven(m_clock.secondsSinceMidnight());
}

void Stage::stop()
{
    m_timer.stop();
}

void Stage::tick()
{
    if (!isRunning())
        return;
    const float now = m_clock.secondsSinceMidnight();
    const double difference = elapsed(now, m_start);
    // The local clock was turned back (the end of summer time, a correction by hand): the stage
    // counts its wait again from now instead of waiting for the clock to catch up, maybe an hour.
    if (difference < -1) {
        m_start = roundHalfEven(now);
        return;
    }
    if (difference > m_delay) {
        stop();
        m_action();
    }
}

int Stage::roundHalfEven(float seconds)
{
    // Spelled out rather than left to the floating-point rounding mode of the moment.
    const double whole = std::floor(static_cast<double>(seconds));
    const double fraction = static_cast<double>(seconds) - whole;
    const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0);
    return static_cast<int>(up ? whole + 1 : whole);
}

double Stage::elapsed(float now, int start)
{
    double difference = static_cast<double>(now) - start;
    // Only midnight can make the difference hugely negative: the stage began late on one day
    // and the reading comes from the next. A small negative difference is not midnight: a
    // start of 86400 (a reading of 86399.6 rounded up) with a reading of 86399.8 means "not
    // yet", not "a day later".
    if (difference < -43200)
        difference += 86400;
    return difference;
}
