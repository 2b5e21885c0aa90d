// SPDX-License-Identifier: GPL-3.0-or-later
// bunpo-drill's command line and the choice of its data folder: in-process for the rules,
// and the real program for what only a process shows (no display needed, the exit status).

#include "app/DataFolder.h"
#include "app/DrillCommandLine.h"
#include "support/StartedProgram.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void dataFolder_data();
    void dataFolder();
    void options_data();
    void options();
    void withoutDisplay_data();
    void withoutDisplay();
    void startsOnTheGivenBank();

private:
    QString path(const QString &relative) const { return m_root.filePath(relative); }

    QTemporaryDir m_root;
    QString m_oldCurrent;
};

void TestCommandLine::initTestCase()
{
    QVERIFY(m_root.isValid());
    // A stick copy with its data beside the program, one copied from Windows, an installed
    // program, a teacher's bank, and folders that are no data folder.
    for (const char *folder : {"stick/answer", "windows/Answer", "prefix/bin", "prefix/share/bunpo-drill/answer",
                               "bank/answer", "empty", "lonely/bin"})
        QVERIFY(QDir().mkpath(path(QString::fromLatin1(folder))));
    QFile file(path(QStringLiteral("file.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    m_oldCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_root.path()));
    QCoreApplication::setApplicationName(QStringLiteral("bunpo-drill"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BUNPO_VERSION));
}

void TestCommandLine::cleanupTestCase()
{
    QDir::setCurrent(m_oldCurrent);
}

void TestCommandLine::dataFolder_data()
{
    // Relative paths are of the temporary root, which is also the current folder.
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QString>("executableFolder");
    QTest::addColumn<QString>("baseDir"); // empty when refused
    QTest::addColumn<QString>("error");   // part of the message when refused

    QTest::newRow("--data wins over data beside the program") << "bank" << "stick" << "bank" << "";
    QTest::newRow("--data with a trailing separator") << "bank/" << "prefix/bin" << "bank" << "";
    QTest::newRow("the program's own folder") << "" << "stick" << "stick" << "";
    QTest::newRow("the program's folder copied from Windows") << "" << "windows" << "windows" << "";
    QTest::newRow("installed under a prefix") << "" << "prefix/bin" << "prefix/share/bunpo-drill" << "";
    QTest::newRow("no data anywhere: the program's folder") << "" << "lonely/bin" << "lonely/bin" << "";
    QTest::newRow("--data without an answer folder") << "empty" << "stick" << "" << "empty: not a data folder";
    QTest::newRow("--data of a missing folder") << "nowhere" << "stick" << "" << "nowhere: no such folder";
    QTest::newRow("--data of a file") << "file.txt" << "stick" << "" << "file.txt: not a folder";
}

void TestCommandLine::dataFolder()
{
    QFETCH(QString, requested);
    QFETCH(QString, executableFolder);
    QFETCH(QString, baseDir);
    QFETCH(QString, error);
    // The program hands the executable's folder over as an absolute path.
    const DataFolder::Choice choice = DataFolder::choose(requested, path(executableFolder));
    QCOMPARE(choice.baseDir, baseDir.isEmpty() ? QString() : path(baseDir));
    QVERIFY2(error.isEmpty() ? choice.error.isEmpty() : choice.error.contains(error), qPrintable(choice.error));
}

void TestCommandLine::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode"); // -1: the program starts
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    QTest::newRow("nothing") << QStringList{} << -1 << "" << "";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "--data <folder>" << "";
    QTest::newRow("help, short") << QStringList{"-h"} << 0 << "--version" << "";
    QTest::newRow("help names --no-notes") << QStringList{"--help"} << 0 << "--no-notes" << "";
    QTest::newRow("no notes") << QStringList{"--no-notes"} << -1 << "" << "";
    QTest::newRow("no notes, with a data folder") << QStringList{"--data", "stick", "--no-notes"} << -1 << "" << "";
    QTest::newRow("help with Qt's options") << QStringList{"--help-all"} << 0 << "--data <folder>" << "";
    QTest::newRow("version names the data folder")
        << QStringList{"--version", "--data", "bank"} << 0 << "bunpo-drill " BUNPO_VERSION "\ndata folder: " << "";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << "" << "Unknown option 'bogus'";
    QTest::newRow("an argument where none is taken") << QStringList{"bank"} << 2 << "" << "unexpected argument 'bank'";
    QTest::newRow("--data without its folder") << QStringList{"--data"} << 2 << "" << "Missing value after '--data'";
    QTest::newRow("--data of no data folder") << QStringList{"--data", "empty"} << 1 << ""
                                              << "bunpo-drill: --data empty: not a data folder";
    QTest::newRow("the window system's options") << QStringList{"-platform", "offscreen", "--style=fusion", "-reverse"}
                                                 << -1 << "" << "";
}

void TestCommandLine::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QString outText, errText;
    QTextStream outStream(&outText), errStream(&errText);
    const DrillCommandLine::Outcome outcome =
        DrillCommandLine::read(QStringList{"bunpo-drill"} + arguments, path("stick"), outStream, errStream);
    QCOMPARE(outcome.exitCode.value_or(-1), exitCode);
    QVERIFY2(outText.contains(out), qPrintable(outText));
    QVERIFY2(errText.contains(err), qPrintable(errText));
    if (exitCode == 2) // a mistake is answered with the usage line
        QVERIFY2(errText.contains("Usage: ") && errText.contains("[options]"), qPrintable(errText));
    if (exitCode == -1) {
        QCOMPARE(outcome.baseDir, path("stick"));
        QCOMPARE(outcome.notesWanted, !arguments.contains(QStringLiteral("--no-notes")));
    }
}

// Help, version and mistakes are answered by the real program where no display can be reached.
void TestCommandLine::withoutDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::newRow("--bogus") << QStringList{"--bogus"} << 2 << "Usage: bunpo-drill [options]";
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: bunpo-drill [options]";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "bunpo-drill " BUNPO_VERSION;
    QTest::newRow("--data of no data folder") << QStringList{"--data", "empty"} << 1 << "empty: not a data folder";
}

void TestCommandLine::withoutDisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(BUNPO_DRILL_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QString text = QString::fromLocal8Bit(program.readAllStandardOutput() + program.readAllStandardError());
    QVERIFY2(text.contains(output), qPrintable(text));
    QCOMPARE(QDir(path("empty")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void TestCommandLine::startsOnTheGivenBank()
{
    StartedProgram program(QStringLiteral(BUNPO_DRILL_PROGRAM), {QStringLiteral("--data"), QStringLiteral(BUNPO_TEST_BANK)});
    QVERIFY2(program.waitForMenu(), qPrintable(program.errorOutput()));
    QVERIFY2(program.errorOutput().contains(QLatin1String("data folder: " BUNPO_TEST_BANK)),
             qPrintable(program.errorOutput()));
}

BUNPO_TEST_MAIN(TestCommandLine)

#include "tst_commandline.moc"
