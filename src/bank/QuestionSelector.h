#pragma once

#include <QtGlobal>
#include <array>

class Clock;
class RandomSource;

// The random draw of the next question with its repeat window: the last floor(C / 2)
// questions shown may not come again at once. A draw that hits one is thrown away and made
// again, the generator reseeded from the clock before every draw.
class QuestionSelector
{
public:
    QuestionSelector(RandomSource &random, const Clock &clock);

    // A new visit: clears Asked and Recent and sets WindowLength = floor(questionCount / 2).
    void start(qint16 questionCount);

    // Draws an open question number 1..C and moves the window on by it (CheckRepeat, then
    // RecordAsked). A bank of one question gives that question every time.
    qint16 PickQuestion();

    // True when the question is in the repeat window.
    bool CheckRepeat(qint16 question) const;
    // Moves the window on: the oldest number leaves, the new one enters.
    void RecordAsked(qint16 question);

    qint16 WindowLength() const { return m_windowLength; }
    const std::array<qint16, 61> &Asked() const { return m_asked; }
    const std::array<qint16, 31> &Recent() const { return m_recent; }

    // floor(r * C) + 1, formed in double precision: 1..C for every r in [0, 1).
    static qint16 questionFor(float r, qint16 questionCount);

private:
    RandomSource &m_random;
    const Clock &m_clock;
    qint16 m_questionCount = 0;
    qint16 m_windowLength = 0;
    std::array<qint16, 61> m_asked{};
    std::array<qint16, 31> m_recent{};
};
