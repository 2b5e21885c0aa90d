#include "support/ScriptedRandom.h"

float ScriptedRandom::next()
{
    ++m_draws;
    if (m_values.isEmpty())
        return 0.0f;
    if (m_position < m_values.size())
        return m_values.at(m_position++);
    return m_values.last();
}
