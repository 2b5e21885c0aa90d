#pragma once

#include "bank/AnswerFileReader.h"
#include "bank/DataPaths.h"

#include <QString>
#include <QtGlobal>

// Checks a grade's bank when its drill starts, so that a bad bank stops the drill before the
// first question rather than in the middle of a learner's session. Nothing is decoded.
namespace GradeBankCheck {

// Every right answer of questions 1..count is a choice 1 to 4. Throws RuntimeError
// InvalidAnswer naming the answer file and the first bad answer ("answer 9 of question 12 is
// not 1 to 4").
void checkAnswers(const QString &answerFilePath, qint16 count, const AnswerTable &answers);

// The question and the choices picture of every question 1..count exist, found as the
// picture loader finds them (any case). Throws RuntimeError FileNotFound naming the first
// missing file, in the order the drill shows them: q1, a1, q2, a2 ...
void checkPictures(const DataPaths &paths, const QString &gradeCode, qint16 count);

} // namespace GradeBankCheck
