#include "bank/GradeBankCheck.h"

#include "error/RuntimeError.h"
#include "platform/DataFile.h"
#include "platform/PictureDensity.h"
#include "platform/PictureFileCheck.h"

#include <QFile>
#include <QFileInfo>

namespace GradeBankCheck {

namespace {

void checkExists(const QString &dataPath, int question)
{
    const QString file = DataFile::locate(dataPath);
    if (!QFileInfo(file).isFile())
        throw RuntimeError(RuntimeError::Kind::FileNotFound, file, QStringLiteral("picture of question %1").arg(question));
}

// Reads the GIF header alone: the logical screen size is in its first ten bytes.
void checkNoteHeader(const QString &dataPath, int question, QSize size, qreal devicePixelRatio)
{
    const PictureDensity::Choice choice = PictureDensity::choose(dataPath, devicePixelRatio, DataFile::locate);
    const QString &file = choice.file;
    QFile picture(file);
    if (!QFileInfo(file).isFile() || !picture.open(QIODevice::ReadOnly))
        throw RuntimeError(RuntimeError::Kind::FileNotFound, file, QStringLiteral("note of question %1").arg(question));
    const QSize declared = PictureFileCheck::gifHeaderSize(picture.read(10));
    if (!declared.isValid())
        throw RuntimeError(RuntimeError::Kind::NotAPicture, file, QStringLiteral("note of question %1 is not a GIF").arg(question));
    const QSize expected = size * choice.devicePixelRatio;
    if (declared != expected)
        throw RuntimeError(RuntimeError::Kind::NotAPicture, file,
                           QStringLiteral("note of question %1 is %2×%3; a note is %4×%5")
                               .arg(question)
                               .arg(declared.width()).arg(declared.height())
                               .arg(expected.width()).arg(expected.height()));
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

void checkNotePictures(const DataPaths &paths, const QString &gradeCode, qint16 count, QSize size,
                       qreal devicePixelRatio)
{
    for (int n = 1; n <= count; ++n)
        checkNoteHeader(paths.notePicture(gradeCode, n), n, size, devicePixelRatio);
}

} // namespace GradeBankCheck
