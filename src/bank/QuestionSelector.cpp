#include "bank/QuestionSelector.h"

#include "error/RuntimeError.h"
#include "platform/Clock.h"
#include "platform/RandomSource.h"

#include <cmath>

QuestionSelector::QuestionSelector(RandomSource &random, const Clock &clock) : m_random(random), m_clock(clock)
{
}

void QuestionSelector::start(qint16 questionCount)
{
    if (questionCount <= 0)
        throw RuntimeError(RuntimeError::Kind::NoQuestions, QString(),
                           QStringLiteral("question count %1").arg(questionCount));
    if (questionCount >= static_cast<int>(m_asked.size()))
        throw RuntimeError(RuntimeError::Kind::SubscriptOutOfRange, QString(),
                           QStringLiteral("question count %1: at most %2").arg(questionCount).arg(m_asked.size() - 1));
    m_questionCount = questionCount;
    m_windowLength = static_cast<qint16>(questionCount / 2);
    m_asked.fill(0);
    m_recent.fill(0);
}

qint16 QuestionSelector::draw()
{
    if (m_questionCount <= 0)
        throw RuntimeError(RuntimeError::Kind::NoQuestions, QString(), QStringLiteral("no drill started"));
    // At least half of the bank is open, so a rejection has a chance of at most 1/2 with a
    // sound generator; a source that keeps hitting the window is a fault, not bad luck.
    for (int attempt = 0; attempt < MaxDraws; ++attempt) {
        m_random.reseed(m_clock.secondsSinceMidnight());
        const qint16 question = questionFor(m_random.next(), m_questionCount);
        if (!isRecent(question)) {
            remember(question);
            return question;
        }
    }
    throw RuntimeError(RuntimeError::Kind::Internal, QString(),
                       QStringLiteral("%1 draws in a row hit the repeat window").arg(MaxDraws));
}

bool QuestionSelector::isRecent(qint16 question) const
{
    if (question < 0 || question >= static_cast<int>(m_asked.size()))
        throw RuntimeError(RuntimeError::Kind::SubscriptOutOfRange, QString(),
                           QStringLiteral("question %1 of the repeat window").arg(question));
    return m_asked[question] == 1;
}

void QuestionSelector::remember(qint16 question)
{
    if (question < 0 || question >= static_cast<int>(m_asked.size()))
        throw RuntimeError(RuntimeError::Kind::SubscriptOutOfRange, QString(),
                           QStringLiteral("question %1 of the repeat window").arg(question));
    // A window of length 0 (a bank of one question) holds nothing: flagging the question
    // would close the whole bank for ever.
    if (m_windowLength == 0)
        return;
    m_asked[m_recent[1]] = 0; // slot 1 holds 0 until the window is full: entry 0 belongs to no question
    m_asked[question] = 1;
    for (int i = 1; i < m_windowLength; ++i)
        m_recent[i] = m_recent[i + 1];
    m_recent[m_windowLength] = question;
}

qint16 QuestionSelector::questionFor(float r, qint16 questionCount)
{
    return static_cast<qint16>(std::floor(static_cast<double>(r) * questionCount) + 1);
}
