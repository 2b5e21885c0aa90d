#include "bank/GradeBankCheck.h"

#include "error/RuntimeError.h"
#include "platform/DataFile.h"

#include <QFileInfo>

namespace GradeBankCheck {

namespace {

void checkExists(const QString &dataPath, int question)
{
    const QString file = DataFile::locate(dataPath);
    if (!QFileInfo(file).isFile())
        throw RuntimeError(RuntimeError::Kind::FileNotFound, file, QStringLiteral("picture of question %1").arg(question));
}

} // namespace

void checkAnswers(const QString &answerFilePath, qint16 count, const AnswerTable &answers)
{
    for (int k = 1; k <= count && k < int(answers.size()); ++k) {
        // Any other number matches no choice button: the question could never be answered right.
        if (answers[k] < 1 || answers[k] > 4)
            throw RuntimeError(RuntimeError::Kind::InvalidAnswer, DataFile::locate(answerFilePath),
                               QStringLiteral("answer %1 of question %2 is not 1 to 4").arg(answers[k]).arg(k));
    }
}

void checkPictures(const DataPaths &paths, const QString &gradeCode, qint16 count)
{
    for (int n = 1; n <= count; ++n) {
        checkExists(paths.questionPicture(gradeCode, n), n);
        checkExists(paths.choicesPicture(gradeCode, n), n);
    }
}

} // namespace GradeBankCheck
