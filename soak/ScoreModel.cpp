#include "ScoreModel.h"

#include <algorithm>

namespace {
constexpr int Points = 100;
constexpr int Bonus = 1000;
constexpr int BonusRun = 5;
constexpr int MissLimit = 5;
constexpr int PassScore = 10000;
} // namespace

void ScoreModel::start()
{
    *this = ScoreModel();
}

void ScoreModel::answer(bool right)
{
    if (right) {
        m_score += Points;
        ++m_run;
    } else {
        m_run = 0;
        ++m_misses;
        if (m_misses < MissLimit)
            m_score = std::max(0, m_score - Points);
    }
    if (m_misses == MissLimit) {
        m_misses = 0;
        m_score /= 2;
    } else if (m_run == BonusRun) {
        m_run = 0;
        m_score += Bonus;
    }
    if (m_score >= PassScore)
        m_passed = true;
}
