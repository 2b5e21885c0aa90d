#include "BankChecker.h"

#include "BankLayout.h"
#include "PictureCheck.h"
#include "WaveCheck.h"

#include "bank/AnswerFileReader.h"
#include "bank/DataPaths.h"
#include "bank/GradeCatalogue.h"
#include "error/RuntimeError.h"
#include "platform/DataFile.h"
#include "platform/DataPictureLoader.h"
#include "platform/PictureDensity.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace BankChecker {

namespace {

using namespace BankLayout;

const PictureCheck::SizeRule QuestionRule{QSize(QuestionWidth, QuestionMaxHeight), false};
const PictureCheck::SizeRule ChoicesRule{QSize(ChoicesWidth, ChoicesHeight), true};
const PictureCheck::SizeRule TitleRule{QSize(TitleMaxWidth, TitleMaxHeight), false};
const PictureCheck::SizeRule ButtonRule{QSize(GradeButtonWidth, GradeButtonHeight), true};
const PictureCheck::SizeRule NoteRule{QSize(NoteWidth, NoteHeight), true};

class Checker
{
public:
    explicit Checker(const QString &dataDir) : m_dataDir(dataDir), m_paths(dataDir) {}

    Report run()
    {
        for (int index = 1; index <= GradeCatalogue::Count; ++index)
            checkGrade(*GradeCatalogue::lookup(index));
        for (int n = 1; n <= GradeCatalogue::Count; ++n) {
            picture(m_paths.gradeButtonPicture(n, true), ButtonRule);
            picture(m_paths.gradeButtonPicture(n, false), ButtonRule);
        }
        for (const Sound s : {Sound::Correct, Sound::Wrong, Sound::Burst, Sound::NoGood, Sound::Pass}) {
            const QString file = DataFile::locate(m_paths.sound(s));
            if (const QString why = WaveCheck::problem(file); !why.isEmpty())
                add(file, why);
        }
        return m_report;
    }

private:
    void add(const QString &file, const QString &why) { m_report.problems.append(file + QStringLiteral(": ") + why); }

    // The picture and, where there is one, its twice-density file beside it, found as the
    // program finds it: whole, loadable and exactly twice the picture's size.
    void picture(const QString &dataPath, PictureCheck::SizeRule rule)
    {
        const QString file = DataFile::locate(dataPath);
        QSize size;
        if (const QString why = PictureCheck::problem(file, rule, &size); !why.isEmpty())
            add(file, why);
        const QString twiceFile = DataFile::locate(PictureDensity::twiceName(dataPath));
        if (!QFileInfo(twiceFile).isFile())
            return;
        QSize twiceSize;
        if (const QString why = PictureCheck::problem(twiceFile, {rule.largest * 2, rule.exact}, &twiceSize);
            !why.isEmpty())
            add(twiceFile, why);
        else if (size.isValid() && twiceSize != size * 2)
            add(twiceFile, QStringLiteral("is %1×%2; twice its picture %3 (%4×%5) is %6×%7")
                               .arg(twiceSize.width())
                               .arg(twiceSize.height())
                               .arg(QFileInfo(file).fileName())
                               .arg(size.width())
                               .arg(size.height())
                               .arg(size.width() * 2)
                               .arg(size.height() * 2));
    }

    // A grade has notes when its folder note/<code> is there: then every question has its note
    // picture, carrying its heading, meaning and note as its text, one a line.
    void checkNotes(const Grade &grade, int questions)
    {
        const QString folder = DataFile::locate(m_dataDir + QStringLiteral("\\note\\") + grade.code);
        if (!QFileInfo(folder).isDir())
            return;
        for (int n = 1; n <= questions; ++n) {
            const QString dataPath = m_dataDir + QStringLiteral("\\note\\%1\\n%2.gif").arg(grade.code).arg(n);
            const qsizetype before = m_report.problems.size();
            picture(dataPath, NoteRule);
            if (m_report.problems.size() != before)
                continue;
            const QString file = DataFile::locate(dataPath);
            try {
                const QString text = DataPictureLoader::decode(file).text(QString::fromLatin1(DataPictureLoader::TextKey));
                const QStringList lines = text.split(QLatin1Char('\n'));
                if (lines.size() != 3 || lines.contains(QString()))
                    add(file, QStringLiteral("its text holds %1; a note picture's text is three lines: the heading, "
                                             "the meaning and the note")
                                  .arg(text.isEmpty() ? QStringLiteral("nothing")
                                                      : QStringLiteral("%1 line%2").arg(lines.size()).arg(lines.size() == 1 ? "" : "s")));
            } catch (const RuntimeError &) {
                // picture() has said what is wrong
            }
        }
    }

    void checkGrade(const Grade &grade)
    {
        const QString answerPath = m_paths.answerFile(grade.answerFile);
        const QString answerFile = DataFile::locate(answerPath);
        qint16 count = 0;
        AnswerTable answers{};
        bool readable = true;
        try {
            AnswerFileReader::read(answerPath, count, answers);
        } catch (const RuntimeError &e) {
            readable = false;
            if (e.kind() == RuntimeError::Kind::FileNotFound)
                add(answerFile, QStringLiteral("missing"));
            else if (e.kind() == RuntimeError::Kind::SubscriptOutOfRange)
                add(answerFile, QStringLiteral("the count %1 is above %2; the program stops at answer %3")
                                    .arg(count)
                                    .arg(MaxQuestions)
                                    .arg(MaxQuestions + 1));
            else
                add(answerFile, QStringLiteral("the program stops on it: %1%2")
                                    .arg(RuntimeError::kindText(e.kind()),
                                         e.detail().isEmpty() ? QString() : QStringLiteral(" (%1)").arg(e.detail())));
        }
        if (readable) {
            if (count < MinQuestions)
                add(answerFile, QStringLiteral("the count %1 is outside %2 to %3").arg(count).arg(MinQuestions).arg(MaxQuestions));
            for (int k = 1; k <= count; ++k) {
                if (answers[size_t(k)] < 1 || answers[size_t(k)] > 4)
                    add(answerFile, QStringLiteral("the right choice of question %1 is %2, outside 1 to 4")
                                        .arg(k)
                                        .arg(answers[size_t(k)]));
            }
            ++m_report.grades;
            m_report.questions += std::max<int>(0, count);
        }

        picture(m_paths.titlePicture(grade.code), TitleRule);
        // A count the reader took before it stopped still says which pictures the drill shows.
        const int pictures = std::clamp<int>(count, 0, MaxQuestions);
        for (int n = 1; n <= pictures; ++n) {
            picture(m_paths.questionPicture(grade.code, n), QuestionRule);
            picture(m_paths.choicesPicture(grade.code, n), ChoicesRule);
        }
        checkNotes(grade, pictures);
    }

    QString m_dataDir;
    DataPaths m_paths;
    Report m_report;
};

} // namespace

Report check(const QString &dataDir)
{
    return Checker(dataDir).run();
}

Result run(const QString &dataDir, QTextStream &out)
{
    const Report report = check(dataDir);
    for (const QString &problem : report.problems)
        out << problem << '\n';
    const QString where = QDir(dataDir).absolutePath();
    if (report.problems.isEmpty()) {
        out << "bunpo-bank check: sound: " << report.grades << " grades, " << report.questions << " questions in "
            << where << '\n';
        return Clean;
    }
    out << "bunpo-bank check: " << report.problems.size() << (report.problems.size() == 1 ? " problem" : " problems")
        << " in " << where << '\n';
    return Problems;
}

} // namespace BankChecker
