#include "BankBuilder.h"

#include "BankLayout.h"
#include "BankPainter.h"
#include "FontPicker.h"
#include "GifWriter.h"
#include "RubyText.h"
#include "ScreenReaderText.h"
#include "SoundEffects.h"
#include "SourceCheck.h"
#include "StagingFolder.h"

#include "bank/DataPaths.h"

#include <QDir>
#include <QSaveFile>

#include <functional>
#include <optional>

namespace BankBuilder {

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("%1: cannot write: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool makeFolder(const QString &path, QString *error)
{
    if (!QDir().mkpath(path)) {
        *error = QStringLiteral("%1: cannot create the folder").arg(path);
        return false;
    }
    return true;
}

// The answer file the program reads: the count, then one right choice a line, CR LF.
QByteArray answerFile(const GradeSource &grade)
{
    QByteArray text = QByteArray::number(grade.questions.size()) + "\r\n";
    for (const QuestionSource &q : grade.questions)
        text += QByteArray::number(q.answer) + "\r\n";
    return text;
}

// The picture at `path` ("q1.gif") and, drawn at twice the size, beside it as "q1@2x.gif" for
// screens of twice the density; the first stays what any reader of the data folders expects.
bool writeGifs(const std::function<QImage(int scale)> &draw, const QString &path, std::optional<QRgb> transparent,
               QString *error, const QString &comment = QString())
{
    const QString twice = path.left(path.size() - 4) + QStringLiteral("@2x.gif");
    return writeGif(draw(1), path, transparent, error, comment) && writeGif(draw(2), twice, transparent, error, comment);
}

// The note pictures of a grade with notes: heading, meaning and note, and the same three as
// the picture's text, one a line.
bool writeNotes(const GradeSource &grade, const GrammarList &list, const BankPainter &painter, const QDir &dir,
                QString *error)
{
    const QString notes = dir.filePath(QStringLiteral("note/") + grade.code);
    if (!makeFolder(notes, error))
        return false;
    for (qsizetype n = 1; n <= grade.questions.size(); ++n) {
        const QuestionSource &q = grade.questions.at(n - 1);
        const GrammarPoint *point = list.find(q.point); // the source check found every one
        const QString heading = point ? painter.noteHeading(point->name, point->meaning) : q.point;
        const QString text = heading + QLatin1Char('\n') + RubyText::plainText(q.meaning) + QLatin1Char('\n')
                             + RubyText::plainText(q.note);
        if (!writeGifs([&](int scale) { return painter.note(heading, q.meaning, q.note, scale); },
                       QStringLiteral("%1/n%2.gif").arg(notes).arg(n), std::nullopt, error, text))
            return false;
    }
    return true;
}

bool writeBank(const BankSource &bank, const BankPainter &painter, const QString &root, QString *error)
{
    const QDir dir(root);
    for (const QString &folder : dataFolders()) {
        if (folder == QLatin1String("note"))
            continue; // only when a grade has notes
        if (!makeFolder(dir.filePath(folder), error))
            return false;
    }
    for (const GradeSource &grade : bank.grades) {
        if (grade.hasNotes && (!bank.grammar || !writeNotes(grade, *bank.grammar, painter, dir, error))) {
            if (!bank.grammar)
                *error = QStringLiteral("%1: no grammar list for its notes").arg(grade.file);
            return false;
        }
    }
    const QString title = dir.filePath(QStringLiteral("title"));
    for (const GradeSource &grade : bank.grades) {
        if (!writeBytes(dir.filePath(QStringLiteral("answer/%1.ans").arg(grade.code)), answerFile(grade), error))
            return false;
        if (!writeGifs([&](int scale) { return painter.title(grade.title, scale); },
                       QStringLiteral("%1/%2.gif").arg(title, grade.code), BankLayout::BoardBlue, error))
            return false;
        if (!writeGifs([&](int scale) { return painter.gradeButton(grade.button, true, scale); },
                       QStringLiteral("%1/r%2.gif").arg(title).arg(grade.index), std::nullopt, error))
            return false;
        if (!writeGifs([&](int scale) { return painter.gradeButton(grade.button, false, scale); },
                       QStringLiteral("%1/r%2b.gif").arg(title).arg(grade.index), std::nullopt, error))
            return false;

        const QString questions = dir.filePath(QStringLiteral("question/") + grade.code);
        const QString choices = dir.filePath(QStringLiteral("choices/") + grade.code);
        if (!makeFolder(questions, error) || !makeFolder(choices, error))
            return false;
        for (qsizetype n = 1; n <= grade.questions.size(); ++n) {
            const QuestionSource &q = grade.questions.at(n - 1);
            // Each picture carries its text, for the learner who hears the drill instead of seeing it.
            if (!writeGifs([&](int scale) { return painter.question(q.question, scale); },
                           QStringLiteral("%1/q%2.gif").arg(questions).arg(n), std::nullopt, error,
                           ScreenReaderText::question(q.question)))
                return false;
            if (!writeGifs([&](int scale) { return painter.choices(q.choices, scale); },
                           QStringLiteral("%1/a%2.gif").arg(choices).arg(n), std::nullopt, error,
                           ScreenReaderText::choices(q.choices)))
                return false;
        }
    }
    for (const Sound sound : {Sound::Correct, Sound::Wrong, Sound::Burst, Sound::NoGood, Sound::Pass}) {
        if (!writeBytes(dir.filePath(QStringLiteral("sound/") + DataPaths::soundFileName(sound)),
                        SoundEffects::wav(sound), error))
            return false;
    }
    return true;
}

} // namespace

const QStringList &dataFolders()
{
    static const QStringList folders = {QStringLiteral("answer"), QStringLiteral("title"), QStringLiteral("question"),
                                        QStringLiteral("choices"), QStringLiteral("sound"), QStringLiteral("note")};
    return folders;
}

Result build(const QString &sourceDir, const QString &outDir, QTextStream &out, QTextStream &err)
{
    if (!FontPicker::minchoInstalled()) {
        err << "bunpo-bank build: no Mincho font is installed (IPAexMincho or Noto Serif CJK JP); "
               "nothing written\n";
        return BadSource;
    }
    BankSource bank;
    SourceErrors errors;
    const BankPainter painter;
    SourceCheck::run(sourceDir, painter, bank, errors, err);
    if (!errors.isEmpty()) {
        for (const SourceError &e : errors)
            err << e.text() << '\n';
        err << "bunpo-bank build: " << errors.size() << (errors.size() == 1 ? " problem" : " problems") << " in "
            << sourceDir << "; nothing written to " << outDir << '\n';
        return BadSource;
    }

    StagingFolder staging(outDir);
    QString error;
    if (!staging.create(&error) || !writeBank(bank, painter, staging.path(), &error)
        || !staging.commit(dataFolders(), &error)) {
        err << "bunpo-bank build: " << error << "; " << outDir << " is left as it was\n";
        return BadSource;
    }
    qsizetype questions = 0;
    for (const GradeSource &grade : bank.grades)
        questions += grade.questions.size();
    QStringList noted;
    for (const GradeSource &grade : bank.grades) {
        if (grade.hasNotes)
            noted.append(grade.code);
    }
    out << "bunpo-bank build: " << bank.grades.size() << " grades, " << questions << " questions written to "
        << outDir << (noted.isEmpty() ? QString() : QStringLiteral("; notes for ") + noted.join(QStringLiteral(", ")))
        << '\n';
    return Built;
}

} // namespace BankBuilder
