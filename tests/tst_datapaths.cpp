#include "bank/AnswerFileReader.h"
#include "bank/DataPaths.h"
#include "bank/GradeCatalogue.h"
#include "platform/DataFile.h"
#include "screens/SharedState.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

class TestDataPaths : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void baseDir_data();
    void baseDir();
    void catalogue();
    void paths_data();
    void paths();
    void locate_data();
    void locate();
    void answerFileFromAWindowsCopy();
};

void TestDataPaths::baseDir_data()
{
    QTest::addColumn<QString>("executableFolder");
    QTest::addColumn<QString>("baseDir");
    QTest::newRow("drive root") << "C:\\" << "C:";
    QTest::newRow("Windows folder") << "C:\\drill" << "C:\\drill";
    QTest::newRow("only one backslash goes") << "C:\\drill\\\\" << "C:\\drill\\";
    QTest::newRow("trailing slash") << "/opt/drill/" << "/opt/drill";
    QTest::newRow("plain folder") << "/opt/drill" << "/opt/drill";
    QTest::newRow("root") << "/" << "";
}

void TestDataPaths::baseDir()
{
    QFETCH(QString, executableFolder);
    QFETCH(QString, baseDir);
    QCOMPARE(baseDirFrom(executableFolder), baseDir);
}

void TestDataPaths::catalogue()
{
    QStringList codes, tooltips;
    for (int index = 1; index <= GradeCatalogue::Count; ++index) {
        const auto grade = GradeCatalogue::lookup(index);
        QVERIFY(grade);
        QCOMPARE(grade->index, index);
        QCOMPARE(grade->answerFile, "\\answer\\" + grade->code + ".ans");
        codes << grade->code;
        tooltips << grade->tooltip;
    }
    QCOMPARE(codes, QStringList({"g4_1", "g4_2", "g4_3", "g3_1", "g3_2", "g3_3", "g3_4"}));
    QCOMPARE(tooltips, QStringList({"Grade 4-1", "Grade 4-2", "Grade 4-3", "Grade 3-1", "Grade 3-2", "Grade 3-3",
                                    "Grade 3-4"}));
    QVERIFY(!GradeCatalogue::lookup(0));
    QVERIFY(!GradeCatalogue::lookup(8));
}

void TestDataPaths::paths_data()
{
    QTest::addColumn<std::function<QString(const DataPaths &)>>("form");
    QTest::addColumn<QString>("path");

    using Form = std::function<QString(const DataPaths &)>;
    const auto code = [](int index) { return GradeCatalogue::lookup(index)->code; };
    QTest::newRow("answer file of grade 4")
        << Form([&](const DataPaths &p) { return p.answerFile(GradeCatalogue::lookup(4)->answerFile); })
        << "C:\\answer\\g3_1.ans";
    QTest::newRow("title of grade 4") << Form([=](const DataPaths &p) { return p.titlePicture(code(4)); })
                                      << "C:\\title\\g3_1.gif";
    QTest::newRow("question 12 of grade 7") << Form([=](const DataPaths &p) { return p.questionPicture(code(7), 12); })
                                            << "C:\\question\\g3_4\\q12.gif";
    QTest::newRow("choices 12 of grade 7") << Form([=](const DataPaths &p) { return p.choicesPicture(code(7), 12); })
                                           << "C:\\choices\\g3_4\\a12.gif";
    QTest::newRow("question 3 of grade 1") << Form([=](const DataPaths &p) { return p.questionPicture(code(1), 3); })
                                           << "C:\\question\\g4_1\\q3.gif";
    QTest::newRow("choices 3 of grade 1") << Form([=](const DataPaths &p) { return p.choicesPicture(code(1), 3); })
                                          << "C:\\choices\\g4_1\\a3.gif";
    QTest::newRow("notes of grade 7") << Form([=](const DataPaths &p) { return p.noteFolder(code(7)); })
                                      << "C:\\note\\g3_4";
    QTest::newRow("note 12 of grade 7") << Form([=](const DataPaths &p) { return p.notePicture(code(7), 12); })
                                        << "C:\\note\\g3_4\\n12.gif";
    QTest::newRow("button 3 highlighted") << Form([](const DataPaths &p) { return p.gradeButtonPicture(3, true); })
                                          << "C:\\title\\r3.gif";
    QTest::newRow("button 3 plain") << Form([](const DataPaths &p) { return p.gradeButtonPicture(3, false); })
                                    << "C:\\title\\r3b.gif";
    const QList<std::pair<Sound, QString>> sounds{{Sound::Correct, "o.wav"},
                                                  {Sound::Wrong, "x.wav"},
                                                  {Sound::Burst, "pan.wav"},
                                                  {Sound::NoGood, "dame.wav"},
                                                  {Sound::Pass, "gokaku.wav"}};
    for (const auto &entry : sounds) {
        const Sound sound = entry.first; // a copy: clang before 16 cannot capture a structured binding
        QTest::addRow("sound %s", qPrintable(entry.second))
            << Form([sound](const DataPaths &p) { return p.sound(sound); }) << "C:\\sound\\" + entry.second;
    }
}

void TestDataPaths::paths()
{
    QFETCH(std::function<QString(const DataPaths &)>, form);
    QFETCH(QString, path);
    QCOMPARE(form(DataPaths(baseDirFrom(QStringLiteral("C:\\")))), path);
}

void TestDataPaths::locate_data()
{
    QTest::addColumn<QString>("base");      // the data folder inside the temporary folder ("" is that folder)
    QTest::addColumn<QStringList>("files"); // in the temporary folder
    QTest::addColumn<QString>("asked");     // relative data path, as the program forms it
    QTest::addColumn<QString>("found");     // path of this system, relative to the temporary folder

    QTest::newRow("exact") << "" << QStringList{"answer/g4_1.ans"} << "\\answer\\g4_1.ans" << "answer/g4_1.ans";
    QTest::newRow("folder and file in capitals") << "" << QStringList{"Answer/G4_1.ANS"} << "\\answer\\g4_1.ans"
                                                 << "Answer/G4_1.ANS";
    QTest::newRow("mixed case, two levels") << "" << QStringList{"Question/G3_4/Q12.GIF", "question/g3_4/q1.gif"}
                                            << "\\question\\g3_4\\q12.gif" << "Question/G3_4/Q12.GIF";
    QTest::newRow("exact name wins over another case") << "" << QStringList{"SOUND/O.WAV", "sound/o.wav"}
                                                       << "\\sound\\o.wav" << "sound/o.wav";
    QTest::newRow("exact folder lacks the file") << "" << QStringList{"title/x.gif", "TITLE/R3B.GIF"}
                                                 << "\\title\\r3b.gif" << "TITLE/R3B.GIF";
    QTest::newRow("found nowhere: the exact path") << "" << QStringList{"Answer/g4_2.ans"} << "\\answer\\g4_1.ans"
                                                   << "answer/g4_1.ans";
    QTest::newRow("folder missing: the exact path") << "" << QStringList{} << "\\choices\\g4_1\\a3.gif"
                                                    << "choices/g4_1/a3.gif";

    // A folder of this system may hold a backslash in its name: it is part of the base folder,
    // not a separator, and only what follows the base is the program's own spelling.
    if (QDir::separator() == QLatin1Char('\\'))
        return; // no such name where the backslash separates folders
    QTest::newRow("backslash in the base folder") << "drill\\v2" << QStringList{"drill\\v2/answer/g4_1.ans"}
                                                  << "\\answer\\g4_1.ans" << "drill\\v2/answer/g4_1.ans";
    QTest::newRow("backslash in the base, other case") << "drill\\v2" << QStringList{"drill\\v2/Sound/O.WAV"}
                                                       << "\\sound\\o.wav" << "drill\\v2/Sound/O.WAV";
    QTest::newRow("backslash in the base, found nowhere") << "drill\\v2" << QStringList{}
                                                          << "\\answer\\g4_1.ans" << "drill\\v2/answer/g4_1.ans";
    QTest::newRow("a look-alike folder is not the base") << "drill\\v2"
                                                         << QStringList{"drill/v2/answer/g4_1.ans", "drill\\v2/x"}
                                                         << "\\answer\\g4_1.ans" << "drill\\v2/answer/g4_1.ans";
}

void TestDataPaths::locate()
{
    QFETCH(QString, base);
    QFETCH(QStringList, files);
    QFETCH(QString, asked);
    QFETCH(QString, found);

    QTemporaryDir dir;
    if (!base.isEmpty())
        QVERIFY(QDir(dir.path()).mkpath(base));
    for (const QString &file : files) {
        QVERIFY(QDir(dir.path()).mkpath(QFileInfo(file).path()));
        QFile f(dir.filePath(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const QString baseDir = base.isEmpty() ? dir.path() : dir.filePath(base);
    QCOMPARE(DataFile::locate(baseDir + asked), dir.path() + '/' + found);
}

void TestDataPaths::answerFileFromAWindowsCopy()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("ANSWER")));
    QFile file(dir.filePath(QStringLiteral("ANSWER/G3_1.ANS")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("2\r\n4\r\n3\r\n");
    file.close();

    qint16 count = 0;
    AnswerTable answers{};
    AnswerFileReader::read(DataPaths(dir.path()).answerFile(GradeCatalogue::lookup(4)->answerFile), count, answers);
    QCOMPARE(count, qint16(2));
    QCOMPARE(answers[1], qint16(4));
    QCOMPARE(answers[2], qint16(3));
}

BUNPO_TEST_MAIN(TestDataPaths)
#include "tst_datapaths.moc"
