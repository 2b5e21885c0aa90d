#include "support/FakeClock.h"

void FakeClock::advance(float seconds)
{
    double now = double(m_now) + seconds;
    while (now >= 86400)
        now -= 86400;
    m_now = float(now);
}
