#include "drill/DrillScreen.h"

#include "app/Navigator.h"
#include "app/SharedState.h"
#include "bank/DataFile.h"
#include "bank/DataPaths.h"
#include "bank/GradeBankCheck.h"
#include "bank/GradeCatalogue.h"
#include "drill/CheckedInt16.h"
#include "drill/FullWidthDigits.h"
#include "ui/ButtonKeys.h"
#include "ui/DrillLayout.h"
#include "ui/ErrorGuard.h"
#include "ui/PictureButton.h"
#include "ui/PictureLabel.h"
#include "ui/RuntimeError.h"
#include "ui/Twips.h"
#include "ui/platform/PictureLoader.h"
#include "ui/platform/MutableSoundPlayer.h"
#include "ui/platform/Stage.h"

#include <QLabel>

DrillScreen::DrillScreen(AppContext &ctx) : Screen(ctx), m_selector(ctx.random, ctx.clock)
{
}

DrillScreen::~DrillScreen() = default;

Stage *DrillScreen::timer(int n) const
{
    return n >= 1 && n <= 5 ? ui.Timer[n] : nullptr;
}

ScreenWindow *DrillScreen::createWindow()
{
    ScreenWindow *window = DrillLayout::createWindow();

    for (int i = 1; i <= 4; ++i)
        ui.Command1[i] = window->button(QStringLiteral("Command1(%1)").arg(i));
    ui.Command5 = window->button(QStringLiteral("Command5"));
    ui.Image2 = window->image(QStringLiteral("Image2"));
    ui.Image3 = window->image(QStringLiteral("Image3"));
    ui.Image4 = window->image(QStringLiteral("Image4"));
    ui.Image5 = window->image(QStringLiteral("Image5"));
    ui.Image6 = window->image(QStringLiteral("Image6"));
    ui.Image10 = window->image(QStringLiteral("Image10"));
    ui.Image11 = window->image(QStringLiteral("Image11"));
    ui.Image12 = window->image(QStringLiteral("Image12"));
    ui.Image13 = window->image(QStringLiteral("Image13"));
    ui.Image14 = window->image(QStringLiteral("Image14"));
    ui.Image15 = window->image(QStringLiteral("Image15"));
    ui.Label1 = window->label(QStringLiteral("Label1"));
    ui.Label2 = window->label(QStringLiteral("Label2"));

    // The timers belong to the window and go with it.
    const std::array<void (DrillScreen::*)(), 6> actions = {nullptr, &DrillScreen::Timer1_Timer,
                                                           &DrillScreen::Timer2_Timer, &DrillScreen::Timer3_Timer,
                                                           &DrillScreen::Timer4_Timer, &DrillScreen::Timer5_Timer};
    for (int n = 1; n <= 5; ++n) {
        ui.Timer[n] = new Stage(context.clock, StageDelays[n], [this, action = actions[n]] { (this->*action)(); }, window);
        ui.Timer[n]->setObjectName(QStringLiteral("Timer%1").arg(n));
    }

    for (qint16 i = 1; i <= 4; ++i)
        ErrorGuard::connect(ui.Command1[i], &QAbstractButton::clicked, window, [this, i] { Command1_Click(i); });
    ErrorGuard::connect(window->button(QStringLiteral("Command2")), &QAbstractButton::clicked, window,
                        [this] { Command2_Click(); });
    ErrorGuard::connect(window->button(QStringLiteral("Command3")), &QAbstractButton::clicked, window,
                        [this] { Command3_Click(); });
    ErrorGuard::connect(window->button(QStringLiteral("Command4")), &QAbstractButton::clicked, window,
                        [this] { Command4_Click(); });
    ErrorGuard::connect(ui.Command5, &QAbstractButton::clicked, window, [this] { Command5_Click(); });
    return window;
}

void DrillScreen::bindKeys(ButtonKeys &keys)
{
    // Whatever has the focus: the digits answer as the choice buttons do, lock included.
    for (int i = 1; i <= 4; ++i)
        keys.bindClick(Qt::Key_0 + i, ui.Command1[i]);
    keys.bindClick(Qt::Key_Right, ui.Command5);
    keys.bindClick(Qt::Key_N, ui.Command5);
    keys.bindClick(Qt::Key_Escape, window()->button(QStringLiteral("Command3")));
}

void DrillScreen::unloaded()
{
    // The stages go with the window (the unload stops their timers); a sound still playing
    // ends with the screen.
    ui = Controls{};
    context.sound.stop();
}

// ---- Drill start and question display

void DrillScreen::load()
{
    SharedState &state = context.state;
    DrillFields &f = m_fields;

    f.MissCount = 0;
    f.Score = 0;
    f.AnswerLocked = 0;
    state.GradeVisited = 1;
    f.TargetScore = 10000;
    state.OriginScreen = Origin::Drill;
    f.Finished = 0;
    f.Streak = 0;
    f.WalkerStartLeft = CheckedInt16::fit(Twips::fromPixels(ui.Image3->x()), QStringLiteral("WalkerStartLeft"));

    // Only 1..7 are ever stored; anything else would go looking for "\title\.gif".
    const std::optional<Grade> grade = GradeCatalogue::lookup(state.SelectedGrade);
    if (!grade)
        throw RuntimeError(RuntimeError::Kind::SubscriptOutOfRange, QStringLiteral("SelectedGrade"),
                           QStringLiteral("grade index %1; the grades are 1 to %2")
                               .arg(state.SelectedGrade)
                               .arg(GradeCatalogue::Count));
    const DataPaths paths(state.BaseDir);
    f.AnswerFilePath = paths.answerFile(grade->answerFile);
    f.GradeCode = grade->code;

    ui.Image6->setPicture(context.pictures.load(paths.titlePicture(f.GradeCode), ui.Image6->devicePixelRatioF()));

    AnswerFileReader::read(f.AnswerFilePath, state.QuestionCount, f.Answers);
    // An empty bank has no question to show; the draw would never end.
    if (state.QuestionCount <= 0)
        throw RuntimeError(RuntimeError::Kind::NoQuestions, DataFile::locate(f.AnswerFilePath),
                           QStringLiteral("question count %1").arg(state.QuestionCount));
    // A bad answer or a missing picture stops the drill here, not when its question is drawn.
    GradeBankCheck::checkAnswers(f.AnswerFilePath, state.QuestionCount, f.Answers);
    GradeBankCheck::checkPictures(paths, f.GradeCode, state.QuestionCount);

    // Clears the repeat window; its length is floor(QuestionCount / 2).
    m_selector.start(state.QuestionCount);
    PickQuestion();
}

void DrillScreen::PickQuestion()
{
    m_fields.CurrentQuestion = m_selector.PickQuestion();
    ShowQuestion();
}

void DrillScreen::ShowQuestion()
{
    const DataPaths paths(context.state.BaseDir);
    // The window's density at this moment: a window moved to another screen gets the pictures
    // for that screen from its next question on.
    const qreal ratio = ui.Image2->devicePixelRatioF();
    const PictureWithText question =
        context.pictures.loadWithText(paths.questionPicture(m_fields.GradeCode, m_fields.CurrentQuestion), ratio);
    ui.Image2->setPicture(question.picture);
    const PictureWithText choices =
        context.pictures.loadWithText(paths.choicesPicture(m_fields.GradeCode, m_fields.CurrentQuestion), ratio);
    ui.Image5->setPicture(choices.picture);
    describe(ui.Image2, question.text);
    describe(ui.Image5, choices.text);
}

void DrillScreen::describe(PictureLabel *picture, const QString &text)
{
    // A picture without text keeps no name from the question before. Each setter raises its
    // QAccessible change event on the picture, so a screen reader hears of the new question
    // without a focus move; raising them again here would make it hear everything twice.
    picture->setAccessibleName(text);
    picture->setAccessibleDescription(text);
}

// ---- Answer and evaluation

qint16 DrillScreen::rightAnswer() const
{
    const qint16 q = m_fields.CurrentQuestion;
    if (q < 0 || q >= qint16(m_fields.Answers.size()))
        throw RuntimeError(RuntimeError::Kind::SubscriptOutOfRange, QStringLiteral("Answers"),
                           QStringLiteral("question %1").arg(q));
    return m_fields.Answers[q];
}

void DrillScreen::play(Sound sound)
{
    context.sound.play(DataPaths(context.state.BaseDir).sound(sound));
}

void DrillScreen::moveWalker(qint16 left)
{
    ui.Image3->move(Twips::toPixels(left), ui.Image3->y());
}

void DrillScreen::showScore()
{
    ui.Label1->setText(QString::number(m_fields.Score));
}

void DrillScreen::Command1_Click(qint16 Index)
{
    DrillFields &f = m_fields;
    if (f.AnswerLocked != 0)
        return;
    f.AnswerLocked = 1;
    const qint16 R = rightAnswer();
    if (Index == R) {
        f.Score = CheckedInt16::add(f.Score, PointsPerAnswer, QStringLiteral("Score"));
        play(Sound::Correct);
        ui.Image10->show();
        f.Streak = CheckedInt16::add(f.Streak, 1, QStringLiteral("Streak"));
    } else {
        f.Streak = 0;
        f.MissCount = CheckedInt16::add(f.MissCount, 1, QStringLiteral("MissCount"));
        // The fifth wrong answer costs no points: the halving replaces it.
        if (f.MissCount < MissLimit) {
            f.Score = CheckedInt16::subtract(f.Score, PointsPerAnswer, QStringLiteral("Score"));
            if (f.Score < 0)
                f.Score = 0;
        }
        play(Sound::Wrong);
        ui.Image11->show();
    }
    ui.Timer[1]->begin();
}

void DrillScreen::Timer1_Timer()
{
    DrillFields &f = m_fields;
    ui.Image10->hide();
    ui.Image11->hide();
    moveWalker(CheckedInt16::add(f.WalkerStartLeft, CheckedInt16::multiply(f.MissCount, WalkerStep, QStringLiteral("Image3.Left")),
                                 QStringLiteral("Image3.Left")));

    // The drill start let only right answers 1..4 through; the arithmetic stays checked.
    const QString markerTop = QStringLiteral("Image14.Top");
    const qint16 top = CheckedInt16::add(
        MarkerTop,
        CheckedInt16::multiply(CheckedInt16::subtract(rightAnswer(), 1, markerTop), MarkerRowStep, markerTop),
        markerTop);
    ui.Image14->move(ui.Image14->x(), Twips::toPixels(top));
    ui.Image14->show();

    showScore();
    ui.Label2->setText(FullWidthDigits::lastDigitOf(f.Streak));

    // The miss limit shuts out the pass in the same stage; the bonus comes after both.
    if (f.MissCount >= MissLimit)
        StartMissLimit();
    else if (f.Score >= f.TargetScore && f.Streak < BonusRun)
        Passed();

    if (f.Streak == BonusRun) {
        // The labels keep the score without the bonus and the full-width five until the
        // bonus stage acts.
        ui.Image15->show();
        f.Streak = 0;
        f.Score = CheckedInt16::add(f.Score, BonusPoints, QStringLiteral("Score"));
        if (f.Score >= f.TargetScore)
            f.Finished = 1;
        ui.Timer[4]->begin();
    }

    if (f.Finished == 0) {
        ui.Command5->show();
        // Return or Space on it take the next question.
        ui.Command5->setFocus(Qt::OtherFocusReason);
    }
}

// ---- Feedback sequences

void DrillScreen::StartMissLimit()
{
    play(Sound::Burst);
    ui.Image4->show();
    // The count starts again at once: a wrong answer during the sequence is the first of five.
    m_fields.MissCount = 0;
    ui.Timer[2]->begin();
}

void DrillScreen::Timer2_Timer()
{
    play(Sound::NoGood);
    ui.Image12->show();
    ui.Timer[3]->begin();
}

void DrillScreen::Timer3_Timer()
{
    ui.Image4->hide();
    ui.Image12->hide();
    moveWalker(m_fields.WalkerStartLeft);
    // Halves what the score holds now, points won or lost meanwhile included.
    m_fields.Score = CheckedInt16::halfDown(m_fields.Score);
    showScore();
}

void DrillScreen::Timer4_Timer()
{
    ui.Image15->hide();
    showScore();
    // Ordinary digits here, unlike the evaluation stage's full-width one.
    ui.Label2->setText(QString::number(m_fields.Streak));
    if (m_fields.Score >= m_fields.TargetScore)
        ui.Timer[5]->begin();
}

void DrillScreen::Timer5_Timer()
{
    Passed();
}

void DrillScreen::Passed()
{
    // Stops no stage: a miss-limit sequence still running plays on under the pass picture.
    m_fields.AnswerLocked = 1;
    m_fields.Finished = 1;
    play(Sound::Pass);
    ui.Image13->show();
}

// ---- Commands

void DrillScreen::Command5_Click()
{
    ui.Image14->hide();
    const bool hadFocus = window()->focusWidget() == ui.Command5;
    ui.Command5->hide();
    if (hadFocus)
        ui.Command1[1]->setFocus(Qt::OtherFocusReason);
    m_fields.AnswerLocked = 0;
    PickQuestion();
}

void DrillScreen::Command2_Click()
{
    context.navigator.moveTo(ScreenId::Grade);
}

void DrillScreen::Command3_Click()
{
    context.navigator.moveTo(ScreenId::Menu);
}

void DrillScreen::Command4_Click()
{
    context.navigator.endProgram();
}
