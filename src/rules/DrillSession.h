#pragma once

#include "bank/AnswerFileReader.h"
#include "bank/Sound.h"

#include <QString>
#include <QtGlobal>

#include <optional>

// The drill's rules without a window: score, run, misses, lock and finished flag. Each answer
// and stage event returns what follows as plain values, which the Drill screen applies.

// The timed steps of a drill, each begun by the event before it (see DrillSession::delayOf).
enum class DrillStage { Evaluation, HalvingNotice, Halving, BonusEnd, PassAfterBonus };
inline constexpr DrillStage AllDrillStages[] = {DrillStage::Evaluation, DrillStage::HalvingNotice, DrillStage::Halving,
                                                DrillStage::BonusEnd, DrillStage::PassAfterBonus};

class DrillSession
{
public:
    static constexpr qint16 PassScore = 10000;
    static constexpr qint16 PointsPerAnswer = 100;
    static constexpr qint16 BonusPoints = 1000;
    static constexpr int BonusRun = 5;          // right answers in a row that earn the bonus
    static constexpr int MissLimit = 5;         // wrong answers that burst the balloon
    static constexpr qint16 TrainStep = 1005;   // twips per wrong answer: one tick of the track
    static constexpr qint16 RingTopFirst = 2550; // the ring's top beside choice 1, in twips
    static constexpr qint16 ChoiceRowStep = 430; // twips from one choice row to the next

    // How long a stage waits, in seconds, before it acts.
    static double delayOf(DrillStage stage);

    // A choice click. Not accepted while the choices are locked: then nothing else happens.
    // Accepted, it shows the correct or the wrong mark, plays its sound and begins the
    // evaluation stage.
    struct Answer
    {
        bool accepted = false;
        bool right = false;
        std::optional<Sound> sound;
    };

    // What the evaluation stage opens besides the bonus: the first that applies.
    enum class Sequence { None, MissLimit, Pass };

    // The evaluation stage: the marks go, the train and the ring move, both labels are
    // redrawn. MissLimit shows the burst and begins the halving notice stage; Pass shows the
    // pass banner; a bonus shows the bonus banner and begins the bonus-end stage. The next
    // button shows only while the drill is not finished.
    struct Evaluation
    {
        qint16 trainLeft = 0; // twips; what trainLeft() gave just before the stage
        qint16 ringTop = 0;   // twips
        QString scoreText;
        QString runText;
        Sequence opens = Sequence::None;
        bool bonusOpens = false;
        bool showNext = false;
        std::optional<Sound> sound;
    };

    // The halving stage: the burst and the halving notice go, the train goes home and the
    // halved score is shown. The run label is left alone and nothing is played.
    struct Halving
    {
        qint16 trainLeft = 0;
        QString scoreText;
    };

    // The bonus-end stage: the bonus banner goes and both labels are redrawn, the run in
    // ordinary digits. At the pass score it begins the pass-after-bonus stage.
    struct BonusEnd
    {
        QString scoreText;
        QString runText;
        bool passFollows = false;
    };

    // A new drill: score, run and misses 0, the choices free, not finished. trainHome is the
    // train's laid-out left edge in twips. The answer table keeps what it holds.
    void start(int trainHome);

    // Entry k is the right choice of question k; the answer file is read straight into it.
    AnswerTable &answers() { return m_answers; }
    // The question on show, drawn by the screen.
    void setQuestion(qint16 question) { m_question = question; }
    // The choices accept a click again; the screen then draws the next question.
    void nextQuestion() { m_locked = false; }

    Answer answer(qint16 choice);
    // Throws an Overflow for a ring place outside 16 bits before it changes anything.
    Evaluation evaluate();
    // The halving notice stage: shows the notice, plays its sound, begins the halving stage.
    Sound showHalvingNotice() const { return Sound::NoGood; }
    Halving halveScore();
    BonusEnd endBonus();
    // The pass-after-bonus stage: the pass with its banner and sound, as at an evaluation.
    Sound passAfterBonus();

    // Where the train stands for the misses counted so far, in twips. The miss limit counts
    // them from 0 again inside evaluate(): ask before it, or read Evaluation::trainLeft.
    qint16 trainLeft() const;
    // The right choice of the question on show.
    qint16 rightChoice() const;

    qint16 score() const { return m_score; }
    int run() const { return m_run; }
    int misses() const { return m_misses; }
    bool locked() const { return m_locked; }
    bool finished() const { return m_finished; }
    qint16 question() const { return m_question; }
    qint16 trainHome() const { return m_trainHome; }

private:
    void pass();
    QString scoreText() const;

    qint16 m_score = 0;     // never below 0
    int m_misses = 0;       // since the start or the last miss-limit sequence: 0..5
    int m_run = 0;          // right answers in a row since the last wrong answer or bonus: 0..5
    bool m_locked = false;  // choice clicks are ignored
    bool m_finished = false; // the pass is reached or certain: no next button again
    qint16 m_trainHome = 0;
    qint16 m_question = 0;
    AnswerTable m_answers{};
};
