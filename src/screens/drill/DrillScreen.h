#pragma once

// The Drill screen: the view that applies what its DrillSession decides.

#include "bank/QuestionSelector.h"
#include "platform/WarnOnce.h"
#include "rules/DrillSession.h"
#include "screens/drill/DrillNarrator.h"
#include "screens/Screen.h"

#include <QPixmap>
#include <QString>

#include <array>

class NotePanel;
class PictureButton;
class PictureLabel;
class QLabel;
class Stage;

// The Drill screen, the view over a DrillSession: one question at a time with four choice
// buttons. A click is judged and scored at once; about a second later the evaluation stage
// moves the train, rings the right choice, redraws score and run and may open the miss-limit,
// bonus or pass sequence. The sequences run on their own stages beside the answer cycle, so
// the next question can be answered while one is still on screen.
//
// A grade whose data folder has notes (note/<code>/), unless notes are not wanted, gets a
// note panel under the board: the window is taller by it from the start and never changes
// size. The note of the question on show is decoded with its question and shown from the
// evaluation stage, when the ring appears, until the next question is taken. A note that
// cannot be shown leaves the panel empty and is named on standard error: a note never stops
// a drill. The board above the panel is exactly the screen of a grade without notes.
//
// Every stage belongs to the window; leaving the screen takes them with it, so a stage that
// has not acted never acts.
class DrillScreen : public Screen
{
    Q_OBJECT
public:
    explicit DrillScreen(ScreenContext &context);
    ~DrillScreen() override;

    // The user's commands. choice: the choice button clicked, 1..4.
    void answer(qint16 choice);
    void openGradeScreen();
    void returnToMenu();
    void end();
    void nextQuestion();

    const DrillSession &session() const { return m_session; }
    // "g4_1": the picture folders of the drill on show, and the data path of its answer file.
    const QString &gradeCode() const { return m_gradeCode; }
    const QString &answerFilePath() const { return m_answerFilePath; }
    // The stage while the screen is loaded, else null.
    Stage *stage(DrillStage which) const;
    // The plain text of the note on show (its picture's text), empty while none is.
    QString currentNoteText() const;

protected:
    ScreenWindow *createWindow() override;
    void load() override;
    void unloaded() override;
    // 1-4 answer, → and N take the next question, Escape goes back to the Menu screen.
    void bindKeys(ButtonKeys &keys) override;

private:
    void drawQuestion();
    void showQuestion();
    void readNote();
    void openMissLimit();
    void showPass();

    void evaluate();
    void showHalvingNotice();
    void halveScore();
    void endBonus();
    void passAfterBonus();

    void play(Sound sound);
    void moveTrain(qint16 left);
    // Gives a data picture its text as accessible name and description.
    void describe(PictureLabel *picture, const QString &text);
    // Tells a screen reader about a change that moves no focus, through the focused
    // control's description; after: following what it tells already.
    void tellFocused(const QString &text, bool after = false);
    // Once the drill is finished no focus move follows: news is told on the focused control.
    void tellNewsIfFinished();

    DrillSession m_session;
    QuestionSelector m_selector;
    QString m_gradeCode;
    QString m_answerFilePath;
    DrillNarrator m_narrator;
    bool m_answeredRight = false; // the last answer, for its judgement at the evaluation stage
    // The note of the question on show, decoded with it; a null picture when it could not be.
    struct Note
    {
        QPixmap picture;
        QString text;
    };
    Note m_note;
    // A note that fails is named once per run.
    WarnOnce m_noteWarnings;

    // The controls and stages of the window on show; all null while the screen is not loaded.
    struct Controls
    {
        std::array<PictureButton *, 4> choiceButtons{};
        PictureButton *nextButton = nullptr, *returnButton = nullptr;
        PictureLabel *questionPicture = nullptr, *train = nullptr, *burst = nullptr, *choicesPicture = nullptr,
                     *titlePicture = nullptr, *correctMark = nullptr, *wrongMark = nullptr, *halvingNotice = nullptr,
                     *passBanner = nullptr, *ring = nullptr, *bonusBanner = nullptr;
        QLabel *scoreLabel = nullptr, *runLabel = nullptr;
        NotePanel *notePanel = nullptr; // only for a grade with notes
        Stage *evaluationStage = nullptr, *halvingNoticeStage = nullptr, *halvingStage = nullptr,
              *bonusEndStage = nullptr, *passAfterBonusStage = nullptr;
    };
    Controls ui;
};
