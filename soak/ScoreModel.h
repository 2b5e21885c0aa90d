#pragma once

// The drill's scoring told again from its rules alone, apart from the Drill screen's code, so
// that a long soak can check the screen after every answer. It knows the state once every
// stage of an answer has played out: 100 points for a right answer, 100 off for a wrong one
// (never below 0); five right in a row earn 1000 and start the run again; the fifth wrong
// answer costs nothing itself, halves the score and starts the count again; 10000 passes.
class ScoreModel
{
public:
    void start();
    void answer(bool right);

    int score() const { return m_score; }
    int run() const { return m_run; }
    int misses() const { return m_misses; }
    bool passed() const { return m_passed; }

private:
    int m_score = 0;
    int m_run = 0;
    int m_misses = 0;
    bool m_passed = false;
};
