#pragma once

// Draws the next question at random, never one of the last few asked.

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

    // Gives up on a random source that hits the window this often in a row (a sound one
    // never does: each draw is open with a chance of at least 1/2).
    static constexpr int MaxDraws = 100000;

    // A new visit: clears asked() and recent() and sets windowLength() = floor(questionCount / 2).
    // 1 <= questionCount <= 60; throws RuntimeError NoQuestions for 0 or below and
    // SubscriptOutOfRange above 60 (the Drill screen checks first and names the answer file).
    void start(qint16 questionCount);

    // Reseeds from the clock and draws until the number is open, then moves the window on by
    // it (isRecent, then remember) and returns it, 1..C. A bank of one question gives
    // that question every time. Throws NoQuestions before start(), Internal after MaxDraws.
    qint16 draw();

    // True when the question is in the repeat window. 0 <= question <= 60, else
    // SubscriptOutOfRange.
    bool isRecent(qint16 question) const;
    // Moves the window on: the oldest number leaves, the new one enters. A window of length 0
    // flags nothing.
    void remember(qint16 question);

    qint16 windowLength() const { return m_windowLength; }
    const std::array<qint16, 61> &asked() const { return m_asked; }
    const std::array<qint16, 31> &recent() const { return m_recent; }

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
