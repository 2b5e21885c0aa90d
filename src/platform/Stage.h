#pragma once

// A stage: one timed step that acts once, a set time after it begins.

#include <QObject>
#include <QTimer>
#include <functional>

class Clock;

// One timed step of the Drill screen. begin() starts a 500 ms timer and stores the start:
// the clock reading rounded to the whole second, a half going to the even second. Each tick
// subtracts the start from a fresh reading and acts once the difference is strictly greater
// than the delay; acting, the stage stops its timer first, so it acts once.
//
// The waits a user sees therefore depend on where in the second the stage began: a 1 s stage
// acts after 1.0 or 1.5 s, a 1.5 s stage after 1.5 or 2.0 s.
// The difference is counted across midnight; a clock turned back by more than a second makes
// the stage count its wait again from the new reading.
class Stage : public QObject
{
    Q_OBJECT
public:
    static constexpr int IntervalMs = 500;

    Stage(const Clock &clock, double delaySeconds, std::function<void()> action, QObject *parent);

    void begin();
    void stop();
    bool isRunning() const { return m_timer.isActive(); }
    int start() const { return m_start; }
    double delay() const { return m_delay; }

    // One timer tick; tests call it directly after moving their clock.
    void tick();

    // Whole seconds, half to even (the stage start's rounding).
    static int roundHalfEven(float seconds);
    // now - start, counted across midnight: a start late in one day and a reading early in the
    // next give the true small difference instead of a negative one.
    static double elapsed(float now, int start);

private:
    const Clock &m_clock;
    double m_delay;
    std::function<void()> m_action;
    QTimer m_timer;
    int m_start = 0;
};
