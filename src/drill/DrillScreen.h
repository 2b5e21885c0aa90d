#pragma once

#include "app/Screen.h"
#include "bank/QuestionSelector.h"
#include "drill/DrillFields.h"

#include <array>

class PictureButton;
class PictureLabel;
class QLabel;
class Stage;
enum class Sound;

// The Drill screen: one question at a time with four choice buttons. A click judges and
// scores the answer at once; about a second later the evaluation stage moves the walker,
// rings the right choice, redraws score and run and may open the miss-limit, bonus or pass
// sequence. The sequences run on their own stages beside the answer cycle, so the next
// question can be answered while one is still on screen.
//
// Every delayed step is a Stage of the window (Timer1..Timer5); leaving the screen takes
// them with the window, so a stage that has not acted never acts.
class DrillScreen : public Screen
{
    Q_OBJECT
public:
    // The waits of the stages, in seconds: Timer1 evaluation, Timer2 halving notice,
    // Timer3 end of the miss-limit sequence, Timer4 end of the bonus, Timer5 pass after a bonus.
    static constexpr double StageDelays[6] = {0, 1.0, 1.0, 1.5, 1.5, 1.5};

    static constexpr qint16 PointsPerAnswer = 100;
    static constexpr qint16 BonusPoints = 1000;
    static constexpr qint16 BonusRun = 5;        // right answers in a row that earn the bonus
    static constexpr qint16 MissLimit = 5;       // wrong answers that burst the balloon
    static constexpr qint16 WalkerStep = 1005;   // twips per wrong answer: one tick of the track
    static constexpr qint16 MarkerTop = 2550;    // the ring's Top beside choice 1, in twips
    static constexpr qint16 MarkerRowStep = 430; // twips from one choice row to the next

    explicit DrillScreen(AppContext &context);
    ~DrillScreen() override;

    // The user's commands. Index: the choice button clicked, 1..4.
    void Command1_Click(qint16 Index);
    void Command2_Click(); // to the Grade screen
    void Command3_Click(); // to the Menu screen
    void Command4_Click(); // ends the program
    void Command5_Click(); // next question

    const DrillFields &fields() const { return m_fields; }
    // Timer1..Timer5 while the screen is loaded, else null.
    Stage *timer(int n) const;

protected:
    ScreenWindow *createWindow() override;
    void load() override;
    void unloaded() override;
    // 1-4 answer, → and N take the next question, Escape goes back to the Menu screen.
    void bindKeys(ButtonKeys &keys) override;

private:
    void PickQuestion();
    void ShowQuestion();
    void StartMissLimit();
    void Passed();

    void Timer1_Timer(); // evaluation stage
    void Timer2_Timer(); // halving notice
    void Timer3_Timer(); // halving and the walker home
    void Timer4_Timer(); // end of the bonus
    void Timer5_Timer(); // the pass after a bonus

    qint16 rightAnswer() const;
    void play(Sound sound);
    void moveWalker(qint16 left);
    void showScore();
    // Gives a data picture its text as accessible name and description.
    void describe(PictureLabel *picture, const QString &text);

    DrillFields m_fields;
    QuestionSelector m_selector;

    // The controls of the window on show; all null while the screen is not loaded.
    struct Controls
    {
        std::array<PictureButton *, 5> Command1{}; // members 1..4
        PictureButton *Command5 = nullptr;
        PictureLabel *Image2 = nullptr, *Image3 = nullptr, *Image4 = nullptr, *Image5 = nullptr,
                     *Image6 = nullptr, *Image10 = nullptr, *Image11 = nullptr, *Image12 = nullptr,
                     *Image13 = nullptr, *Image14 = nullptr, *Image15 = nullptr;
        QLabel *Label1 = nullptr, *Label2 = nullptr;
        std::array<Stage *, 6> Timer{}; // Timer1..Timer5
    };
    Controls ui;
};
