// SPDX-License-Identifier: GPL-3.0-or-later
// cmake --install into a temporary DESTDIR, then the installed program is started from there
// with no data beside it: it must find the installed data and reach the Menu screen.

#include "support/StartedProgram.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestInstall : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void launcherIcons();
    void versionNamesTheInstalledData();
    void startsFromTheInstallation();
    void installedDataIsSound();
    void installedToolFindsTheInstalledGrammarList();

private:
    QString installed(const QString &relative) const;

    QTemporaryDir m_destDir;
};

QString TestInstall::installed(const QString &relative) const
{
    return m_destDir.filePath(QStringLiteral("usr/") + relative);
}

void TestInstall::initTestCase()
{
    QVERIFY(m_destDir.isValid());
    QProcess install;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DESTDIR"), m_destDir.path());
    install.setProcessEnvironment(environment);
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(BUNPO_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(BUNPO_BUILD_DIR), QStringLiteral("--prefix"),
                   QStringLiteral("/usr")});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAll().constData());
}

void TestInstall::installedFiles_data()
{
    QTest::addColumn<QString>("file");
    const QString bin = QStringLiteral(BUNPO_INSTALL_BINDIR "/");
    const QString share = QStringLiteral(BUNPO_INSTALL_DATADIR "/");
    const QString id = QStringLiteral(BUNPO_APP_ID);
    for (const QString &file : {bin + "bunpo-drill", bin + "bunpo-bank",
                                share + "bunpo-drill/answer/g4_1.ans", share + "bunpo-drill/answer/g3_4.ans",
                                share + "bunpo-drill/question/g3_4/q1.gif", share + "bunpo-drill/choices/g4_1/a1.gif",
                                share + "bunpo-drill/title/g4_1.gif", share + "bunpo-drill/title/r7b.gif",
                                share + "bunpo-drill/sound/gokaku.wav", share + "bunpo-drill/grammar-points.tsv",
                                share + "applications/" + id + ".desktop",
                                share + "metainfo/" + id + ".metainfo.xml",
                                share + "doc/bunpo-drill/GPL-3.0-or-later.txt",
                                share + "doc/bunpo-drill/CC-BY-SA-4.0.txt", share + "doc/bunpo-drill/copyright"})
        QTest::newRow(qPrintable(file)) << file;
    // The sound module, in the private folder where the installed program looks for it.
    QTest::newRow("sound module") << QStringLiteral("lib/bunpo-drill/bunpo-sound*");
    // Man pages, compressed where gzip was found.
    for (const QString page : {"bunpo-drill.1", "bunpo-bank.1"})
        QTest::newRow(qPrintable(page)) << QStringLiteral(BUNPO_INSTALL_MANDIR "/man1/") + page + "*";
}

void TestInstall::installedFiles()
{
    QFETCH(QString, file);
    const QFileInfo info(installed(file));
    const QStringList found = info.dir().entryList({info.fileName()}, QDir::Files);
    QVERIFY2(!found.isEmpty(), qPrintable(info.filePath() + " is not installed"));
}

void TestInstall::launcherIcons()
{
    for (const int size : {48, 64, 128, 256}) {
        const QString file = installed(QStringLiteral(BUNPO_INSTALL_DATADIR "/icons/hicolor/%1x%1/apps/" BUNPO_APP_ID ".png")
                                           .arg(size));
        const QImage icon(file);
        QVERIFY2(!icon.isNull(), qPrintable(file));
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());
    }
}

void TestInstall::versionNamesTheInstalledData()
{
    QProcess program;
    program.start(installed(QStringLiteral(BUNPO_INSTALL_BINDIR "/bunpo-drill")), {QStringLiteral("--version")});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 0);
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    QVERIFY2(out.contains(QLatin1String("data folder: ") + installed(QStringLiteral(BUNPO_INSTALL_DATADIR "/bunpo-drill"))
                          + QLatin1Char('\n')),
             qPrintable(out));
}

void TestInstall::startsFromTheInstallation()
{
    QVERIFY2(!QFileInfo::exists(installed(QStringLiteral(BUNPO_INSTALL_BINDIR "/answer"))), "data lies beside the program");
    // Started from another folder, as a launcher does.
    StartedProgram program(installed(QStringLiteral(BUNPO_INSTALL_BINDIR "/bunpo-drill")), {}, QDir::tempPath());
    QVERIFY2(program.waitForMenu(), qPrintable(program.errorOutput()));
    QVERIFY2(program.errorOutput().contains(QLatin1String("data folder: ")
                                            + installed(QStringLiteral(BUNPO_INSTALL_DATADIR "/bunpo-drill"))),
             qPrintable(program.errorOutput()));
}

void TestInstall::installedDataIsSound()
{
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(installed(QStringLiteral(BUNPO_INSTALL_BINDIR "/bunpo-bank")),
                {QStringLiteral("check"), installed(QStringLiteral(BUNPO_INSTALL_DATADIR "/bunpo-drill"))});
    QVERIFY(check.waitForFinished(120000));
    QVERIFY2(check.exitCode() == 0, check.readAll().constData());
}

// A teacher's source folder without a grammar list of its own: the installed bunpo-bank checks
// its notes' points against the list installed with the data, and names that list.
void TestInstall::installedToolFindsTheInstalledGrammarList()
{
    QTemporaryDir source;
    QVERIFY(source.isValid());
    const QDir bank(QStringLiteral(BUNPO_SOURCE_DIR "/tests/notebank"));
    for (const QString &name : bank.entryList({QStringLiteral("*.csv")}, QDir::Files))
        QVERIFY(QFile::copy(bank.filePath(name), QDir(source.path()).filePath(name)));
    QFile g4(QDir(source.path()).filePath(QStringLiteral("g4_2.csv")));
    QVERIFY(g4.open(QIODevice::Append));
    g4.write("この　ほんは　（　）です。,たかい,たかく,たかくて,たかかった,1,4-999,This book is expensive.,"
             "たかい: an い-adjective ends in い before です.\n");
    g4.close();

    QProcess check;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("BUNPO_KANJIDIC"), source.filePath(QStringLiteral("none")));
    check.setProcessEnvironment(environment);
    check.start(installed(QStringLiteral(BUNPO_INSTALL_BINDIR "/bunpo-bank")), {QStringLiteral("check-source"), source.path()});
    QVERIFY(check.waitForFinished(120000));
    const QString out = QString::fromUtf8(check.readAllStandardOutput());
    QCOMPARE(check.exitCode(), 1);
    const QString list = QDir::cleanPath(installed(QStringLiteral(BUNPO_INSTALL_DATADIR "/bunpo-drill/grammar-points.tsv")));
    QVERIFY2(out.contains(QStringLiteral("g4_2.csv:6: point \"4-999\" is not in ") + list), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("1 problem")), qPrintable(out));
}

BUNPO_TEST_MAIN(TestInstall)

#include "tst_install.moc"
