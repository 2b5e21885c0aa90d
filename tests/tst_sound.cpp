#include "platform/LoadableSoundPlayer.h"
#include "platform/sound/MediaSoundPlayer.h"
#include "support/StderrCapture.h"
#include "support/TestMain.h"
#include "support/WavBytes.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

// A PCM WAV, 22050 Hz mono 16-bit, whose header announces `announced` bytes of samples and
// which holds `present` of them.
QByteArray wav(int announced, int present)
{
    const WavBytes format;
    const QByteArray whole = format.file(format.square(announced / 2));
    return whole.left(44 + present);
}

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void neverBlocks_data();
    void neverBlocks();
    void soundsInARow();
    void replacedFileIsReadAgain();
    void answersWithoutABackend();
    void missingModuleStaysSilent();

private:
    // Plays and lets events run for `ms`; fails if the event loop stops turning.
    void playAndKeepRunning(MediaSoundPlayer &player, const QString &path, int ms);
    QTemporaryDir m_dir;
    QString m_good;
};

void TestSound::initTestCase()
{
    m_good = m_dir.filePath(QStringLiteral("o.wav"));
    QFile file(m_good);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(wav(22050, 22050)); // half a second
}

void TestSound::playAndKeepRunning(MediaSoundPlayer &player, const QString &path, int ms)
{
    QElapsedTimer clock;
    clock.start();
    player.play(path);
    // A generous bound: what matters is that play() came back at all.
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QStringLiteral("play() took %1 ms").arg(clock.elapsed())));

    int ticks = 0;
    QTimer beat;
    connect(&beat, &QTimer::timeout, [&] { ++ticks; });
    beat.start(10);
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= ms / 20, 10000);
    QTest::qWait(ms / 2);
}

void TestSound::neverBlocks_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("warnings"); // lines naming the file on standard error

    QTest::newRow("whole") << wav(22050, 22050) << true << 0;
    QTest::newRow("cut: a second announced, 100 bytes there") << wav(44100, 100) << true << 1;
    QTest::newRow("header cut in half") << wav(44100, 0).left(30) << true << 1;
    QTest::newRow("text") << QByteArray("these are not sound samples\r\n").repeated(10) << true << 1;
    QTest::newRow("empty") << QByteArray() << true << 1;
    QTest::newRow("missing") << QByteArray() << false << 1;
}

// Each file twice, then a whole one: every call returns, events keep flowing, the player
// recovers, and a bad file is named once on standard error however often it is asked for.
void TestSound::neverBlocks()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    QFETCH(int, warnings);

    const QString path = m_dir.filePath(QStringLiteral("%1.wav").arg(QTest::currentDataTag()).left(60).replace(' ', '_'));
    if (exists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    StderrCapture errors;
    {
        MediaSoundPlayer player;
        playAndKeepRunning(player, path, 300);
        playAndKeepRunning(player, path, 300);
        playAndKeepRunning(player, m_good, 200);
        QTRY_COMPARE_WITH_TIMEOUT(errors.lines(path).size(), warnings, 5000);
        QElapsedTimer clock;
        clock.start();
        player.stop();
        QVERIFY(clock.elapsed() < 5000);
    }
    QCOMPARE(errors.lines(path).size(), warnings);
    QVERIFY(errors.lines(QStringLiteral("no audio output device")).size() <= 1);
    errors.restore();
}

// Sounds set while another still plays, as the drill does when answers come quickly; the
// player is destroyed while one plays.
void TestSound::soundsInARow()
{
    const QString cut = m_dir.filePath(QStringLiteral("x.wav"));
    QFile file(cut);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(wav(441000, 4000));
    file.close();

    auto player = std::make_unique<MediaSoundPlayer>();
    for (int i = 0; i < 6; ++i)
        playAndKeepRunning(*player, i % 2 ? cut : m_good, 100);
    player.reset();
}

// A teacher replaces a sound while the program runs: the player notices the new size and
// time and reads it again, rather than playing (or refusing) what it read before.
void TestSound::replacedFileIsReadAgain()
{
    const QString path = m_dir.filePath(QStringLiteral("replaced.wav"));
    const auto write = [&](const QByteArray &bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    };
    StderrCapture errors;
    MediaSoundPlayer player;
    write(wav(22050, 22050));
    player.play(path);
    player.play(path);
    QCOMPARE(errors.lines(path).size(), 0);
    write(wav(22050, 1000)); // cut: a new size
    player.play(path);
    player.play(path);
    QCOMPARE(errors.lines(path).size(), 1);
    QVERIFY(errors.lines(QStringLiteral("cut short")).size() == 1);
    errors.restore();
}

// Naming a multimedia backend that is not installed makes Qt abort at the first media
// player. The program, answering one question whose sound needs such a player (a 24-bit WAV)
// and one whose sound it plays itself, stays silent, says why once and ends normally.
void TestSound::answersWithoutABackend()
{
    QTemporaryDir data;
    const QDir bank(QStringLiteral(BUNPO_TEST_BANK));
    for (const QString &folder : bank.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QDir(data.path()).mkpath(folder);
        QDirIterator files(bank.filePath(folder), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString from = files.next();
            const QString to = data.filePath(bank.relativeFilePath(from));
            QDir().mkpath(QFileInfo(to).path());
            QVERIFY(QFile::copy(from, to));
        }
    }
    WavBytes deep;
    deep.bitsPerSample = 24;
    QFile right(data.filePath(QStringLiteral("sound/o.wav")));
    QVERIFY(right.open(QIODevice::WriteOnly | QIODevice::Truncate));
    right.write(deep.file(deep.square(2205)));
    right.close();

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_MEDIA_BACKEND"), QStringLiteral("no-such-backend"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral(BUNPO_ANSWERING_DRILL), {data.path()});
    QVERIFY(child.waitForFinished(60000));
    const QString errors = QString::fromLocal8Bit(child.readAllStandardError());
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QVERIFY2(child.exitCode() == 0, qPrintable(errors));
    QCOMPARE(errors.count(QStringLiteral("o.wav")), 1);
    QVERIFY2(errors.contains(QStringLiteral("\"no-such-backend\", which is not installed")), qPrintable(errors));
}

// A program whose sound module is missing (an install that left it out) answers in silence and
// says so once, whatever it is asked to play.
void TestSound::missingModuleStaysSilent()
{
    const QString path = m_dir.filePath(QStringLiteral("unheard.wav"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(wav(2205, 2205));
    file.close();
    QTemporaryDir empty;
    StderrCapture errors;
    LoadableSoundPlayer player({empty.path()});
    player.stop();
    player.prepare();
    player.play(path);
    player.play(path);
    player.stop();
    QCOMPARE(errors.lines(QStringLiteral("cannot load the sound module")).size(), 1);
    QCOMPARE(errors.lines(QStringLiteral("bunpo-drill:")).size(), 1);
    errors.restore();
}

BUNPO_TEST_MAIN(TestSound)
#include "tst_sound.moc"
