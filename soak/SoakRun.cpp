#include "SoakRun.h"

#include "ResidentMemory.h"

#include "error/ErrorGuard.h"
#include "platform/Stage.h"
#include "screens/drill/DrillLayout.h"
#include "screens/drill/DrillScreen.h"
#include "screens/grade/GradeLayout.h"
#include "screens/menu/MenuLayout.h"
#include "widgets/PictureButton.h"
#include "widgets/ScreenWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTest>

namespace {
constexpr double RightShare = 0.8;   // of the answers
constexpr int MovePerMille = 6;      // chance, after an answer, of leaving the drill
constexpr int MidAnswerPerMille = 3; // chance of leaving before an answer's stages have played
} // namespace

SoakRun::SoakRun(const QString &dataDir, long answers, QTextStream &out)
    : m_answers(answers), m_out(out),
      m_program(std::make_unique<Program>(dataDir, m_clock, m_random, m_sound, m_pictures))
{
    ErrorGuard::setReporter([this](const RuntimeError &error) { fail(error.message()); });
}

SoakRun::~SoakRun()
{
    m_program.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool SoakRun::fail(const QString &what)
{
    if (!m_failed)
        m_out << "soak: answer " << m_answered << ": " << what << Qt::endl;
    m_failed = true;
    return false;
}

ScreenWindow *SoakRun::onShow() const
{
    return m_program->navigator().current()->window();
}

void SoakRun::click(PictureButton *target)
{
    if (!target || !target->isVisible()) {
        fail(target ? QStringLiteral("%1 is not there to click").arg(target->objectName())
                    : QStringLiteral("a button to click is not on the %1 screen").arg(onShow()->objectName()));
        return;
    }
    QTest::mouseClick(target, Qt::LeftButton);
    // Windows of screens left behind go when the event loop comes round, as in the program.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void SoakRun::pointAt(PictureButton *target)
{
    if (target)
        QTest::mouseMove(target);
}

void SoakRun::settle()
{
    DrillScreen &drill = m_program->drill();
    for (int tick = 0; tick < 20; ++tick) {
        bool running = false;
        for (const DrillStage which : AllDrillStages)
            running = running || (drill.stage(which) && drill.stage(which)->isRunning());
        if (!running)
            return;
        m_clock.advance(0.5f);
        for (const DrillStage which : AllDrillStages)
            if (Stage *stage = drill.stage(which))
                ErrorGuard::run([stage] { stage->tick(); });
    }
    fail(QStringLiteral("a stage never acted"));
}

// On the Grade screen: points at a few buttons, chooses one grade and confirms.
void SoakRun::chooseGradeAndConfirm()
{
    std::uniform_int_distribution<int> grade(1, 7);
    for (int k = 0; k < 3; ++k)
        pointAt(GradeLayout::gradeButton(grade(m_choices)));
    click(GradeLayout::gradeButton(grade(m_choices)));
    click(GradeControl::ConfirmButton);
    ++m_gradeChanges;
}

void SoakRun::drillStarted()
{
    ++m_drills;
    m_model.start();

    // The right answers come from the data folder, read here apart from the drill.
    AnswerFileReader::read(m_program->drill().answerFilePath(), m_count, m_rightAnswers);
}

bool SoakRun::answerOne()
{
    const DrillScreen &drill = m_program->drill();
    const int question = drill.session().question();
    if (question < 1 || question > m_count)
        return fail(QStringLiteral("question %1 of a bank of %2").arg(question).arg(m_count));
    const bool right = std::bernoulli_distribution(RightShare)(m_choices);
    const int rightChoice = m_rightAnswers[question];
    click(DrillLayout::choiceButton(right ? rightChoice : rightChoice % 4 + 1));
    ++m_answered;
    if (std::uniform_int_distribution<int>(0, 999)(m_choices) < MidAnswerPerMille) {
        ++m_leftMidAnswer;
        leaveDrill(); // the stages go with the window; the next drill starts afresh
        m_freshDrill = true;
        return !m_failed;
    }
    settle();
    m_model.answer(right);

    const DrillSession &f = drill.session();
    if (f.score() != m_model.score() || f.run() != m_model.run() || f.misses() != m_model.misses()
        || f.finished() != m_model.passed())
        return fail(QStringLiteral("the drill has score %1, run %2, misses %3, finished %4; the model %5, %6, %7, %8")
                        .arg(f.score()).arg(f.run()).arg(f.misses()).arg(f.finished())
                        .arg(m_model.score()).arg(m_model.run()).arg(m_model.misses()).arg(m_model.passed()));
    const QString shownScore = onShow()->label(DrillControl::ScoreLabel)->text();
    if (shownScore != QString::number(m_model.score()))
        return fail(QStringLiteral("the score shows \"%1\", the model %2").arg(shownScore).arg(m_model.score()));
    return !m_failed;
}

// To the Menu and back to the drill, or to the Grade screen for another grade.
void SoakRun::leaveDrill()
{
    ++m_moves;
    if (std::bernoulli_distribution(0.5)(m_choices)) {
        click(DrillControl::ReturnButton); // to the Menu
        if (std::bernoulli_distribution(0.5)(m_choices)) {
            click(MenuControl::SettingsButton); // to the Grade screen, back to the Menu
            chooseGradeAndConfirm();
        }
        click(MenuControl::DrillButton); // 練習
    } else {
        click(DrillControl::SettingsButton); // to the Grade screen, back to the drill
        chooseGradeAndConfirm();
    }
    if (!m_failed)
        drillStarted();
}

void SoakRun::reportMemory()
{
    const long kb = ResidentMemory::kilobytes();
    if (kb < 0) {
        m_out << "soak: resident memory at answer " << m_answered << ": not known on this system" << Qt::endl;
        return;
    }
    if (m_answered == 500)
        m_memoryAt500 = kb;
    m_out << "soak: resident memory at answer " << m_answered << ": " << QString::number(kb / 1024.0, 'f', 1) << " MB";
    if (m_memoryAt500 >= 0 && m_answered > 500)
        m_out << " (" << (kb - m_memoryAt500 >= 0 ? "+" : "") << (kb - m_memoryAt500) << " kB since answer 500)";
    m_out << Qt::endl;
}

bool SoakRun::run()
{
    ErrorGuard::run([this] { m_program->start(); });
    click(MenuControl::DrillButton); // 練習: the first drill of the run, grade 1
    if (!m_failed)
        drillStarted();

    while (!m_failed && m_answered < m_answers) {
        if (!answerOne())
            break;
        if (m_answered == 500 || m_answered % 5000 == 0 || m_answered == m_answers)
            reportMemory();
        if (m_freshDrill) {
            m_freshDrill = false;
            continue;
        }
        if (m_model.passed()) {
            ++m_passes;
            leaveDrill();
        } else if (std::uniform_int_distribution<int>(0, 999)(m_choices) < MovePerMille) {
            leaveDrill();
        } else {
            click(DrillControl::NextButton); // 次
        }
    }
    if (m_answered != m_answers)
        reportMemory();
    m_out << "soak: " << m_answered << " answers, " << m_drills << " drills, " << m_passes << " passed, "
          << m_gradeChanges << " grade choices, " << m_moves << " moves away from the drill ("
          << m_leftMidAnswer << " before the answer had played out), " << m_sound.played << " sounds" << Qt::endl;
    m_out << (m_failed ? "soak: FAILED" : "soak: every answer matched the model") << Qt::endl;
    return !m_failed;
}
