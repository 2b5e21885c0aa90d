#pragma once

#include "bank/AnswerFileReader.h"
#include "bank/DataPaths.h"

#include <QSize>
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

// The note picture of every question 1..count exists and its first bytes read as a GIF of
// `size` (the twice-density file instead, of twice the size, where a window of this ratio
// takes it); the pictures themselves are not decoded. Throws RuntimeError naming the first
// bad file: FileNotFound for a missing one, NotAPicture for one that is no GIF or has
// another size ("note of question 3 is 700×120; a note is 744×120").
void checkNotePictures(const DataPaths &paths, const QString &gradeCode, qint16 count, QSize size,
                       qreal devicePixelRatio);

} // namespace GradeBankCheck
