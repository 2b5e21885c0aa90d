#include "support/TestMain.h"
#include "ui/platform/MediaSoundPlayer.h"

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
    QByteArray out("RIFF");
    const auto put32 = [&](quint32 v) { out.append(reinterpret_cast<const char *>(&v), 4); };
    const auto put16 = [&](quint16 v) { out.append(reinterpret_cast<const char *>(&v), 2); };
    put32(quint32(36 + announced));
    out.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(22050);
    put32(44100);
    put16(2);
    put16(16);
    out.append("data");
    put32(quint32(announced));
    for (int i = 0; i < present / 2; ++i)
        put16(quint16((i / 25) % 2 ? 3000 : -3000)); // a quiet 441 Hz square
    return out;
}

// Everything written to standard error while it lives.
class StderrCapture
{
public:
    StderrCapture()
    {
        m_file.open();
        std::fflush(stderr);
        m_saved = dup(2);
        dup2(m_file.handle(), 2);
    }
    ~StderrCapture() { restore(); }
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        dup2(m_saved, 2);
        close(m_saved);
        m_saved = -1;
    }
    QStringList lines(const QString &containing)
    {
        std::fflush(stderr);
        QFile read(m_file.fileName());
        read.open(QIODevice::ReadOnly);
        QStringList result;
        for (const QByteArray &line : read.readAll().split('\n')) {
            if (line.contains(containing.toLocal8Bit()))
                result.append(QString::fromLocal8Bit(line));
        }
        return result;
    }

private:
    QTemporaryFile m_file;
    int m_saved = -1;
};

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void neverBlocks_data();
    void neverBlocks();
    void soundsInARow();

private:
    // Plays and lets events run for `ms`; fails if the event loop stops turning.
    void playAndKeepRunning(MediaSoundPlayer &player, const QString &path, int ms);
    QTemporaryDir m_dir;
    QString m_good;
};

void TestSound::initTestCase()
{
    // The ffmpeg backend of Qt 6.4 crashes without an audio device; the player picks GStreamer.
    qunsetenv("QT_MEDIA_BACKEND");
    MediaSoundPlayer player;
    QCOMPARE(qgetenv("QT_MEDIA_BACKEND"), QByteArray("gstreamer"));

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
    QTest::newRow("cut: a second announced, 100 bytes there") << wav(44100, 100) << true << 0;
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

BUNPO_TEST_MAIN(TestSound)
#include "tst_sound.moc"
