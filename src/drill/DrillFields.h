#pragma once

#include "bank/AnswerFileReader.h"

#include <QString>
#include <QtGlobal>

// The Drill screen's own fields. The drill start gives them their values at every showing;
// they keep them between showings only where it does not.
struct DrillFields
{
    qint16 Score = 0;           // points of this drill; never below 0
    qint16 MissCount = 0;       // wrong answers since the start or the last miss-limit sequence: 0..5
    qint16 Streak = 0;          // right answers in a row since the last wrong answer or bonus: 0..5
    qint16 AnswerLocked = 0;    // 1 while choice clicks are ignored
    qint16 Finished = 0;        // 1 once the pass is reached or certain: no next-question button again
    qint16 TargetScore = 10000; // the pass threshold
    qint16 WalkerStartLeft = 0; // the walker's home, in twips

    qint16 CurrentQuestion = 0; // 1..QuestionCount, the question on show
    QString GradeCode;          // "g4_1": the picture folders of this drill
    QString AnswerFilePath;     // data path of the grade's answer file
    AnswerTable Answers{};      // entry k: the right choice of question k
};
