#include "screens/drill/DrillScreen.h"

#include "bank/DataPaths.h"
#include "bank/GradeBankCheck.h"
#include "bank/GradeCatalogue.h"
#include "error/ErrorGuard.h"
#include "error/RuntimeError.h"
#include "platform/DataFile.h"
#include "platform/MutableSoundPlayer.h"
#include "platform/PictureDensity.h"
#include "platform/PictureLoader.h"
#include "platform/Stage.h"
#include "screens/drill/DrillLayout.h"
#include "screens/drill/NotePanel.h"
#include "screens/ScreenMoves.h"
#include "screens/SharedState.h"
#include "widgets/ButtonKeys.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureLabel.h"
#include "widgets/Twips.h"

#include <QFileInfo>
#include <QLabel>

DrillScreen::DrillScreen(ScreenContext &ctx) : Screen(ctx), m_selector(ctx.random, ctx.clock)
{
}

DrillScreen::~DrillScreen() = default;

Stage *DrillScreen::stage(DrillStage which) const
{
    switch (which) {
    case DrillStage::Evaluation:
        return ui.evaluationStage;
    case DrillStage::HalvingNotice:
        return ui.halvingNoticeStage;
    case DrillStage::Halving:
        return ui.halvingStage;
    case DrillStage::BonusEnd:
        return ui.bonusEndStage;
    case DrillStage::PassAfterBonus:
        return ui.passAfterBonusStage;
    }
    return nullptr;
}

QString DrillScreen::currentNoteText() const
{
    return ui.notePanel ? ui.notePanel->text() : QString();
}

ScreenWindow *DrillScreen::createWindow()
{
    ScreenWindow *window = DrillLayout::createWindow();

    for (int choice = 1; choice <= 4; ++choice)
        ui.choiceButtons[std::size_t(choice - 1)] = window->button(DrillLayout::choiceButton(choice));
    ui.nextButton = window->button(DrillControl::NextButton);
    ui.returnButton = window->button(DrillControl::ReturnButton);
    ui.questionPicture = window->image(DrillControl::QuestionPicture);
    ui.train = window->image(DrillControl::Train);
    ui.burst = window->image(DrillControl::Burst);
    ui.choicesPicture = window->image(DrillControl::ChoicesPicture);
    ui.titlePicture = window->image(DrillControl::TitlePicture);
    ui.correctMark = window->image(DrillControl::CorrectMark);
    ui.wrongMark = window->image(DrillControl::WrongMark);
    ui.halvingNotice = window->image(DrillControl::HalvingNotice);
    ui.passBanner = window->image(DrillControl::PassBanner);
    ui.ring = window->image(DrillControl::Ring);
    ui.bonusBanner = window->image(DrillControl::BonusBanner);
    ui.scoreLabel = window->label(DrillControl::ScoreLabel);
    ui.runLabel = window->label(DrillControl::RunLabel);

    // The stages belong to the window and go with it.
    const auto makeStage = [&](DrillStage which, const char *name, void (DrillScreen::*action)()) {
        auto *stage = new Stage(context.clock, DrillSession::delayOf(which), [this, action] { (this->*action)(); }, window);
        stage->setObjectName(QString::fromLatin1(name));
        return stage;
    };
    ui.evaluationStage = makeStage(DrillStage::Evaluation, "evaluationStage", &DrillScreen::evaluate);
    ui.halvingNoticeStage = makeStage(DrillStage::HalvingNotice, "halvingNoticeStage", &DrillScreen::showHalvingNotice);
    ui.halvingStage = makeStage(DrillStage::Halving, "halvingStage", &DrillScreen::halveScore);
    ui.bonusEndStage = makeStage(DrillStage::BonusEnd, "bonusEndStage", &DrillScreen::endBonus);
    ui.passAfterBonusStage = makeStage(DrillStage::PassAfterBonus, "passAfterBonusStage", &DrillScreen::passAfterBonus);

    for (qint16 choice = 1; choice <= 4; ++choice)
        ErrorGuard::connect(ui.choiceButtons[std::size_t(choice - 1)], &QAbstractButton::clicked, window,
                            [this, choice] { answer(choice); });
    ErrorGuard::connect(window->button(DrillControl::SettingsButton), &QAbstractButton::clicked, window,
                        [this] { openGradeScreen(); });
    ErrorGuard::connect(ui.returnButton, &QAbstractButton::clicked, window, [this] { returnToMenu(); });
    ErrorGuard::connect(window->button(DrillControl::EndButton), &QAbstractButton::clicked, window, [this] { end(); });
    ErrorGuard::connect(ui.nextButton, &QAbstractButton::clicked, window, [this] { nextQuestion(); });
    return window;
}

void DrillScreen::bindKeys(ButtonKeys &keys)
{
    // Whatever has the focus: the digits answer as the choice buttons do, lock included.
    for (int choice = 1; choice <= 4; ++choice)
        keys.bindClick(Qt::Key_0 + choice, ui.choiceButtons[std::size_t(choice - 1)]);
    keys.bindClick(Qt::Key_Right, ui.nextButton);
    keys.bindClick(Qt::Key_N, ui.nextButton);
    keys.bindClick(Qt::Key_Escape, ui.returnButton);
}

void DrillScreen::unloaded()
{
    // The stages go with the window (the unload stops their timers); a sound still playing
    // ends with the screen.
    ui = Controls{};
    m_note = {};
    context.sound.stop();
}

// ---- Drill start and question display

void DrillScreen::load()
{
    SharedState &state = context.state;
    state.gradeVisited = true;
    state.gradeReturnsTo = ScreenId::Drill;
    m_session.start(Twips::fromPixels(ui.train->x()));
    m_narrator = DrillNarrator{}; // no news of an earlier drill

    // Only 1..7 are ever stored; anything else would go looking for "\title\.gif".
    const std::optional<Grade> grade = GradeCatalogue::lookup(state.selectedGrade);
    if (!grade)
        throw RuntimeError(RuntimeError::Kind::SubscriptOutOfRange, QStringLiteral("selectedGrade"),
                           QStringLiteral("grade index %1; the grades are 1 to %2")
                               .arg(state.selectedGrade)
                               .arg(GradeCatalogue::Count));
    const DataPaths paths(state.baseDir);
    m_answerFilePath = paths.answerFile(grade->answerFile);
    m_gradeCode = grade->code;

    ui.titlePicture->setPicture(context.pictures.load(paths.titlePicture(m_gradeCode), ui.titlePicture->devicePixelRatioF()));

    AnswerFileReader::read(m_answerFilePath, state.questionCount, m_session.answers());
    // An empty bank has no question to show; the draw would never end.
    if (state.questionCount <= 0)
        throw RuntimeError(RuntimeError::Kind::NoQuestions, DataFile::locate(m_answerFilePath),
                           QStringLiteral("question count %1").arg(state.questionCount));
    // A bad answer or a missing picture stops the drill here, not when its question is drawn.
    GradeBankCheck::checkAnswers(m_answerFilePath, state.questionCount, m_session.answers());
    GradeBankCheck::checkPictures(paths, m_gradeCode, state.questionCount);

    // Notes are the grade's: the panel is there for every question, so the window never
    // changes size during the drill. Their pictures are checked by their headers alone.
    if (state.notesWanted && QFileInfo(DataFile::locate(paths.noteFolder(m_gradeCode))).isDir()) {
        GradeBankCheck::checkNotePictures(paths, m_gradeCode, state.questionCount, NotePanel::Size,
                                          ui.questionPicture->devicePixelRatioF());
        ui.notePanel = new NotePanel(window());
        window()->addBelow(ui.notePanel);
    }

    // Clears the repeat window; its length is half the question count, rounded down.
    m_selector.start(state.questionCount);
    drawQuestion();
}

void DrillScreen::drawQuestion()
{
    m_session.setQuestion(m_selector.draw());
    showQuestion();
}

void DrillScreen::showQuestion()
{
    const DataPaths paths(context.state.baseDir);
    // The window's density at this moment: a window moved to another screen gets the pictures
    // for that screen from its next question on.
    const qreal ratio = ui.questionPicture->devicePixelRatioF();
    const PictureWithText question = context.pictures.loadWithText(paths.questionPicture(m_gradeCode, m_session.question()), ratio);
    ui.questionPicture->setPicture(question.picture);
    const PictureWithText choices = context.pictures.loadWithText(paths.choicesPicture(m_gradeCode, m_session.question()), ratio);
    ui.choicesPicture->setPicture(choices.picture);

    // A screen reader speaks only what the focused control carries: choice button 1, which
    // has the focus or takes it next, tells the question and its choices.
    m_narrator.setQuestion(question.text, choices.text);
    describe(ui.questionPicture, question.text);
    describe(ui.choicesPicture, m_narrator.choicesLine());
    for (int choice = 1; choice <= 4; ++choice)
        ui.choiceButtons[std::size_t(choice - 1)]->setAccessibleName(m_narrator.choiceName(choice));
    ui.choiceButtons[0]->setAccessibleDescription(m_narrator.questionDescription());
    if (ui.notePanel)
        readNote();
}

void DrillScreen::readNote()
{
    // Decoded now rather than at the evaluation stage, which then only has to show it.
    m_note = {};
    const QString path = DataPaths(context.state.baseDir).notePicture(m_gradeCode, m_session.question());
    const qreal ratio = ui.notePanel->devicePixelRatioF();
    try {
        const PictureWithText note = context.pictures.loadWithText(path, ratio);
        // A window moved to a screen of another density since the drill started may take a
        // twin that was never checked.
        const QSize size = note.picture.deviceIndependentSize().toSize();
        if (size != NotePanel::Size)
            throw RuntimeError(RuntimeError::Kind::NotAPicture, PictureDensity::choose(path, ratio, DataFile::locate).file,
                               QStringLiteral("%1×%2; a note is %3×%4")
                                   .arg(size.width()).arg(size.height())
                                   .arg(NotePanel::Size.width()).arg(NotePanel::Size.height()));
        m_note = {note.picture, note.text};
    } catch (const RuntimeError &error) {
        m_noteWarnings.warn(error.subject(), QStringLiteral("note not shown: ") + error.message());
    }
}

void DrillScreen::describe(PictureLabel *picture, const QString &text)
{
    // A picture without text keeps no name from the question before. A screen reader hears
    // this only when it goes looking; what it speaks travels with the focus moves.
    picture->setAccessibleName(text);
    picture->setAccessibleDescription(text);
}

void DrillScreen::tellFocused(const QString &text, bool after)
{
    QWidget *focused = window()->focusWidget();
    if (!focused || text.isEmpty())
        return;
    // After the pass the story goes on on the same control, so that a learner who comes back
    // to it hears all of it.
    const QString before = after ? focused->accessibleDescription() : QString();
    focused->setAccessibleDescription(before.isEmpty() ? text : before + QStringLiteral("\u3000") + text);
}

void DrillScreen::tellNewsIfFinished()
{
    if (m_session.finished())
        tellFocused(m_narrator.takeNews(), true);
}

// ---- Answer and evaluation

void DrillScreen::play(Sound sound)
{
    context.sound.play(DataPaths(context.state.baseDir).sound(sound));
}

void DrillScreen::moveTrain(qint16 left)
{
    ui.train->move(Twips::toPixels(left), ui.train->y());
}

void DrillScreen::answer(qint16 choice)
{
    const DrillSession::Answer a = m_session.answer(choice);
    if (!a.accepted)
        return;
    m_answeredRight = a.right;
    play(*a.sound);
    (a.right ? ui.correctMark : ui.wrongMark)->show();
    ui.evaluationStage->begin();
}

void DrillScreen::evaluate()
{
    ui.correctMark->hide();
    ui.wrongMark->hide();
    // Before the session's evaluation, which counts the misses from 0 again at the miss limit.
    moveTrain(m_session.trainLeft());

    const DrillSession::Evaluation e = m_session.evaluate();
    ui.ring->move(ui.ring->x(), Twips::toPixels(e.ringTop));
    ui.ring->show();
    // With the ring, after a right and a wrong answer alike, until the next question.
    if (ui.notePanel && !m_note.picture.isNull())
        ui.notePanel->showNote(m_note.picture, m_note.text);
    ui.scoreLabel->setText(e.scoreText);
    ui.runLabel->setText(e.runText);

    if (e.opens == DrillSession::Sequence::MissLimit)
        openMissLimit();
    else if (e.opens == DrillSession::Sequence::Pass)
        showPass();

    if (e.bonusOpens) {
        ui.bonusBanner->show();
        ui.bonusEndStage->begin();
    }

    // As the labels show it now: a bonus is in the score only when its stage ends.
    DrillNarrator::Judgement judgement{m_answeredRight, m_session.rightChoice(), ui.scoreLabel->text(), ui.runLabel->text(),
                                       e.opens == DrillSession::Sequence::MissLimit, e.bonusOpens,
                                       e.opens == DrillSession::Sequence::Pass,
                                       currentNoteText()};
    const QString told = m_narrator.judgement(judgement);

    if (e.showNext) {
        // Set before the focus moves: the screen reader speaks it as 次 takes the focus.
        ui.nextButton->setAccessibleDescription(told);
        ui.nextButton->show();
        // Return or Space on it take the next question.
        ui.nextButton->setFocus(Qt::OtherFocusReason);
    } else {
        tellFocused(told);
    }
}

// ---- Feedback sequences

void DrillScreen::openMissLimit()
{
    play(Sound::Burst);
    ui.burst->show();
    ui.halvingNoticeStage->begin();
}

void DrillScreen::showHalvingNotice()
{
    play(m_session.showHalvingNotice());
    ui.halvingNotice->show();
    ui.halvingStage->begin();
}

void DrillScreen::halveScore()
{
    ui.burst->hide();
    ui.halvingNotice->hide();
    const DrillSession::Halving h = m_session.halveScore();
    moveTrain(h.trainLeft);
    ui.scoreLabel->setText(h.scoreText);
    m_narrator.scoreHalved(h.scoreText);
    tellNewsIfFinished();
}

void DrillScreen::endBonus()
{
    ui.bonusBanner->hide();
    const DrillSession::BonusEnd b = m_session.endBonus();
    ui.scoreLabel->setText(b.scoreText);
    ui.runLabel->setText(b.runText);
    m_narrator.bonusEnded(b.scoreText, b.runText);
    tellNewsIfFinished();
    if (b.passFollows)
        ui.passAfterBonusStage->begin();
}

void DrillScreen::passAfterBonus()
{
    m_session.passAfterBonus();
    showPass();
    tellFocused(m_narrator.passedAfterBonus(), true);
}

void DrillScreen::showPass()
{
    // Stops no stage: a miss-limit sequence still running plays on under the pass banner.
    play(Sound::Pass);
    ui.passBanner->show();
}

// ---- Commands

void DrillScreen::nextQuestion()
{
    ui.ring->hide();
    if (ui.notePanel)
        ui.notePanel->clear();
    const bool hadFocus = window()->focusWidget() == ui.nextButton;
    m_session.nextQuestion();
    // The question first: choice button 1 carries it when it takes the focus. Hiding the
    // focused button would hand the focus on at once, before the question is there to tell.
    drawQuestion();
    if (hadFocus)
        ui.choiceButtons[0]->setFocus(Qt::OtherFocusReason);
    ui.nextButton->hide();
}

void DrillScreen::openGradeScreen()
{
    context.moves.moveTo(ScreenId::Grade);
}

void DrillScreen::returnToMenu()
{
    context.moves.moveTo(ScreenId::Menu);
}

void DrillScreen::end()
{
    context.moves.endProgram();
}
