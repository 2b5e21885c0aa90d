#pragma once

#include "ScoreModel.h"
#include "SilentSoundPlayer.h"

#include "app/Program.h"
#include "bank/AnswerFileReader.h"
#include "platform/DataPictureLoader.h"
#include "platform/MixingRandomSource.h"
#include "support/FakeClock.h"
#include "widgets/ScreenWindow.h"

#include <QString>
#include <QTextStream>

#include <memory>
#include <random>

// Plays a long session on a data folder through the real screens, the real picture loader
// and the program's own random source; only the clock (moved by the run) and the sound
// (silent) are stand-ins. It answers right or wrong at random, changes grade, leaves the
// drill for the Menu or the Grade screen, now and then in the middle of an answer's stages,
// and after every answer that has played out compares score, run and misses with
// ScoreModel. It prints the resident memory at answer 500, every 5000 answers and at the end.
class SoakRun
{
public:
    SoakRun(const QString &dataDir, long answers, QTextStream &out);
    ~SoakRun();

    // True when every answer matched the model and no run-time error came.
    bool run();

private:
    // The button of the screen on show by its key; a key of another screen finds none.
    template <typename Key>
    void click(Key button) { click(onShow()->button(button)); }
    template <typename Key>
    void pointAt(Key button) { pointAt(onShow()->button(button)); }
    void click(PictureButton *target);
    void pointAt(PictureButton *target);
    ScreenWindow *onShow() const;
    // Lets time pass in ticks of 500 ms, as the stages' timers would, until no stage runs.
    void settle();
    void chooseGradeAndConfirm();
    void drillStarted();
    // Answers the question on show; false on a mismatch or an error.
    bool answerOne();
    void leaveDrill();
    bool fail(const QString &what);
    void reportMemory();

    const long m_answers;
    QTextStream &m_out;
    std::mt19937 m_choices{20240601};
    FakeClock m_clock{30000.2f};
    MixingRandomSource m_random;
    SilentSoundPlayer m_sound;
    DataPictureLoader m_pictures;
    std::unique_ptr<Program> m_program;

    ScoreModel m_model;
    qint16 m_count = 0;
    AnswerTable m_rightAnswers{};
    long m_answered = 0;
    long m_drills = 0, m_passes = 0, m_gradeChanges = 0, m_moves = 0, m_leftMidAnswer = 0;
    long m_memoryAt500 = -1;
    bool m_failed = false;
    bool m_freshDrill = false; // the last answer left the drill before it had played out
};
