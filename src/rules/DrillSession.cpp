#include "rules/DrillSession.h"

#include "error/RuntimeError.h"
#include "rules/CheckedInt16.h"
#include "rules/FullWidthDigits.h"

// The score and the places computed from the layout and the answer file are 16-bit numbers
// whose overflow is a run-time error, so they go through CheckedInt16; the run and the misses
// never leave 0..5 and are plain counts.

double DrillSession::delayOf(DrillStage stage)
{
    switch (stage) {
    case DrillStage::Evaluation:
    case DrillStage::HalvingNotice:
        return 1.0;
    case DrillStage::Halving:
    case DrillStage::BonusEnd:
    case DrillStage::PassAfterBonus:
        return 1.5;
    }
    return 1.5;
}

void DrillSession::start(int trainHome)
{
    m_misses = 0;
    m_score = 0;
    m_locked = false;
    m_finished = false;
    m_run = 0;
    m_trainHome = CheckedInt16::fit(trainHome, QStringLiteral("trainHome"));
}

qint16 DrillSession::rightChoice() const
{
    if (m_question < 0 || m_question >= qint16(m_answers.size()))
        throw RuntimeError(RuntimeError::Kind::SubscriptOutOfRange, QStringLiteral("answers"),
                           QStringLiteral("question %1").arg(m_question));
    return m_answers[m_question];
}

qint16 DrillSession::trainLeft() const
{
    const QString field = QStringLiteral("trainLeft");
    return CheckedInt16::add(m_trainHome, CheckedInt16::multiply(qint16(m_misses), TrainStep, field), field);
}

QString DrillSession::scoreText() const
{
    return QString::number(m_score);
}

DrillSession::Answer DrillSession::answer(qint16 choice)
{
    if (m_locked)
        return {};
    m_locked = true;
    const QString field = QStringLiteral("score");
    if (choice == rightChoice()) {
        m_score = CheckedInt16::add(m_score, PointsPerAnswer, field);
        ++m_run;
        return {true, true, Sound::Correct};
    }
    m_run = 0;
    ++m_misses;
    // The fifth wrong answer costs no points: the halving replaces it.
    if (m_misses < MissLimit) {
        m_score = CheckedInt16::subtract(m_score, PointsPerAnswer, field);
        if (m_score < 0)
            m_score = 0;
    }
    return {true, false, Sound::Wrong};
}

DrillSession::Evaluation DrillSession::evaluate()
{
    Evaluation result;
    result.trainLeft = trainLeft();
    // A right choice outside 1..4 (a malformed answer file) rings no choice row, and far
    // enough outside overflows the ring's place.
    const QString ringField = QStringLiteral("ringTop");
    result.ringTop = CheckedInt16::add(
        RingTopFirst,
        CheckedInt16::multiply(CheckedInt16::subtract(rightChoice(), 1, ringField), ChoiceRowStep, ringField),
        ringField);
    result.scoreText = scoreText();
    result.runText = FullWidthDigits::lastDigitOf(m_run);

    // The miss limit shuts out the pass in the same stage; the bonus comes after both.
    if (m_misses >= MissLimit) {
        // The count starts again at once: a wrong answer during the sequence is the first of five.
        m_misses = 0;
        result.opens = Sequence::MissLimit;
        result.sound = Sound::Burst;
    } else if (m_score >= PassScore && m_run < BonusRun) {
        pass();
        result.opens = Sequence::Pass;
        result.sound = Sound::Pass;
    }

    if (m_run == BonusRun) {
        // The labels keep the score without the bonus and the full-width five until the
        // bonus-end stage.
        m_run = 0;
        m_score = CheckedInt16::add(m_score, BonusPoints, QStringLiteral("score"));
        if (m_score >= PassScore)
            m_finished = true;
        result.bonusOpens = true;
    }

    result.showNext = !m_finished;
    return result;
}

DrillSession::Halving DrillSession::halveScore()
{
    // Halves what the score holds now, points won or lost meanwhile included, and sends the
    // train home even if an answer meanwhile moved it out.
    m_score = CheckedInt16::halfDown(m_score);
    return {m_trainHome, scoreText()};
}

DrillSession::BonusEnd DrillSession::endBonus()
{
    // Ordinary digits here, unlike the evaluation stage's full-width one.
    return {scoreText(), QString::number(m_run), m_score >= PassScore};
}

Sound DrillSession::passAfterBonus()
{
    pass();
    return Sound::Pass;
}

void DrillSession::pass()
{
    // Ends no sequence: a miss-limit sequence still running plays on under the pass banner,
    // and a pass reached during the bonus comes a second time when the bonus ends.
    m_locked = true;
    m_finished = true;
}
