// The WAV reader: the PCM formats it plays, the cut, contradictory and foreign files it
// refuses, and the well-made files in other formats it leaves to a general media player;
// then the conversion of what it read into an audio output's format.
#include "platform/sound/PcmConverter.h"
#include "platform/WavReader.h"
#include "support/TestMain.h"
#include "support/WavBytes.h"

#include <QTest>
#include <QtEndian>

Q_DECLARE_METATYPE(WavReader::Verdict)

namespace {

WavBytes format(quint16 channels, quint32 rate, quint16 bits)
{
    WavBytes wav;
    wav.channels = channels;
    wav.sampleRate = rate;
    wav.bitsPerSample = bits;
    return wav;
}

// A chunk spliced in after the format chunk (at byte 36 of a 16-byte format header).
QByteArray withChunk(QByteArray file, const QByteArray &id, const QByteArray &content)
{
    QByteArray chunk = id;
    char length[4];
    qToLittleEndian(quint32(content.size()), length);
    chunk.append(length, 4).append(content);
    if (content.size() % 2)
        chunk.append('\0');
    file.insert(36, chunk);
    qToLittleEndian(quint32(file.size() - 8), file.data() + 4);
    return file;
}

} // namespace

class TestWavReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data();
    void read();
    void convert_data();
    void convert();
};

void TestWavReader::read_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<WavReader::Verdict>("verdict");
    QTest::addColumn<QString>("expected"); // "channels/rate/bits/frames", or a word of the problem

    using V = WavReader::Verdict;
    const WavBytes mono16 = format(1, 22050, 16);
    const QByteArray tenth = mono16.square(2205);

    QTest::newRow("16-bit mono 22050") << mono16.file(tenth) << V::Read << "1/22050/16/2205";
    QTest::newRow("8-bit mono 11025") << format(1, 11025, 8).file(format(1, 11025, 8).square(1000)) << V::Read << "1/11025/8/1000";
    QTest::newRow("16-bit stereo 44100") << format(2, 44100, 16).file(format(2, 44100, 16).square(441)) << V::Read << "2/44100/16/441";
    QTest::newRow("8-bit stereo 48000") << format(2, 48000, 8).file(format(2, 48000, 8).square(3)) << V::Read << "2/48000/8/3";
    QTest::newRow("8-bit mono, odd length, pad byte") << format(1, 8000, 8).file(QByteArray(7, char(128))) << V::Read << "1/8000/8/7";
    QTest::newRow("8-bit mono, pad byte missing at the end")
        << format(1, 8000, 8).file(QByteArray(7, char(128))).chopped(1) << V::Broken << "RIFF header";
    QTest::newRow("no samples") << mono16.file({}) << V::Read << "1/22050/16/0";
    QTest::newRow("list chunk before the data") << withChunk(mono16.file(tenth), "LIST", "INFOIART\x05\0\0\0Bunpo") << V::Read << "1/22050/16/2205";
    QTest::newRow("18-byte format chunk") << [] { WavBytes w; w.formatLength = 18; return w.file(w.square(10)); }() << V::Read << "1/22050/16/10";
    QTest::newRow("bytes after the RIFF form are left alone") << mono16.file(tenth) + "trailing" << V::Read << "1/22050/16/2205";

    // Cut and broken files.
    const QByteArray whole = mono16.file(tenth);
    QTest::newRow("empty") << QByteArray() << V::Broken << "empty";
    QTest::newRow("eleven bytes") << whole.left(11) << V::Broken << "too few";
    QTest::newRow("cut inside the format chunk") << whole.left(30) << V::Broken << "cut short";
    QTest::newRow("cut inside the samples") << whole.left(1000) << V::Broken << "cut short";
    QTest::newRow("cut by one byte") << whole.chopped(1) << V::Broken << "cut short";
    QTest::newRow("data chunk longer than its form") << [&] {
        QByteArray b = whole;
        qToLittleEndian(quint32(tenth.size() + 2), b.data() + 40);
        return b;
    }() << V::Broken << "'data' chunk announces";
    QTest::newRow("riff length beyond the file") << [&] {
        QByteArray b = whole;
        qToLittleEndian(quint32(0xFFFFFFF0u), b.data() + 4);
        return b;
    }() << V::Broken << "cut short";
    QTest::newRow("half a frame of samples") << mono16.file(tenth + "x") << V::Broken << "whole frames";
    QTest::newRow("block align contradicts the format") << [] { WavBytes w; w.blockAlign = 4; return w.file(QByteArray(8, 0)); }() << V::Broken << "frames";
    QTest::newRow("byte rate contradicts the format") << [] { WavBytes w; w.byteRate = 8000; return w.file(QByteArray(8, 0)); }() << V::Broken << "byte rate";
    QTest::newRow("no channels") << format(0, 22050, 16).file({}) << V::Broken << "0 channels";
    QTest::newRow("format chunk of 14 bytes") << [] { WavBytes w; QByteArray b = w.file({}); qToLittleEndian(quint32(14), b.data() + 16); return b; }() << V::Broken << "too short";
    QTest::newRow("no data chunk") << whole.left(36).replace(4, 4, QByteArray("\x1c\0\0\0", 4)) << V::Broken << "no data chunk";
    QTest::newRow("two data chunks") << withChunk(whole, "data", "ab") << V::Broken << "two data";
    QTest::newRow("data before format") << [&] {
        QByteArray b = "RIFF" + QByteArray(4, 0) + "WAVE" + "data" + QByteArray(4, 0) + whole.mid(12, 24);
        qToLittleEndian(quint32(b.size() - 8), b.data() + 4);
        return b;
    }() << V::Broken << "before the format chunk";

    // Foreign files.
    QTest::newRow("text") << QByteArray("these are not sound samples\r\n").repeated(10) << V::Broken << "not a RIFF";
    QTest::newRow("a GIF named .wav") << QByteArray("GIF89a\x01\0\x01\0\0\0\0;", 14) << V::Broken << "not a RIFF";
    QTest::newRow("RIFF of another form") << QByteArray("RIFF\x04\0\0\0AVI ", 12) << V::Broken << "AVI";

    // Well-made sound files in formats left to a media player.
    QTest::newRow("24-bit") << format(1, 44100, 24).file(format(1, 44100, 24).square(10)) << V::OtherFormat << "24-bit";
    QTest::newRow("float") << [] { WavBytes w = format(1, 44100, 32); w.formatTag = 3; return w.file(QByteArray(40, 0)); }() << V::OtherFormat << "0x0003";
    QTest::newRow("IMA ADPCM") << [] { WavBytes w = format(1, 22050, 4); w.formatTag = 0x11; w.blockAlign = 256; w.byteRate = 11100; w.formatLength = 20; return w.file(QByteArray(256, 0)); }() << V::OtherFormat << "0x0011";
    QTest::newRow("extensible header") << [] { WavBytes w; w.formatTag = 0xFFFE; w.formatLength = 40; return w.file(QByteArray(8, 0)); }() << V::OtherFormat << "extensible";
    QTest::newRow("six channels") << format(6, 48000, 16).file(QByteArray(24, 0)) << V::OtherFormat << "6 channels";
    QTest::newRow("4000 Hz") << format(1, 4000, 16).file(QByteArray(8, 0)) << V::OtherFormat << "4000 Hz";
}

void TestWavReader::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(WavReader::Verdict, verdict);
    QFETCH(QString, expected);

    const WavReader::Result result = WavReader::read(bytes);
    QCOMPARE(result.verdict, verdict);
    if (verdict == WavReader::Verdict::Read) {
        const PcmSound &s = result.sound;
        QCOMPARE(QStringLiteral("%1/%2/%3/%4").arg(s.channels).arg(s.sampleRate).arg(s.bitsPerSample).arg(s.frames()), expected);
        QCOMPARE(s.samples.size(), s.frames() * s.frameBytes());
        QVERIFY(result.problem.isEmpty());
    } else {
        QVERIFY2(result.problem.contains(expected), qPrintable(result.problem));
    }
}

void TestWavReader::convert_data()
{
    QTest::addColumn<QByteArray>("wav");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QAudioFormat::SampleFormat>("sampleFormat");
    QTest::addColumn<QList<double>>("expected"); // the output samples, as -1..1

    const auto pcm16 = [](quint16 channels, QList<qint16> samples) {
        QByteArray bytes;
        for (qint16 s : samples) {
            char b[2];
            qToLittleEndian(s, b);
            bytes.append(b, 2);
        }
        return format(channels, 8000, 16).file(bytes);
    };
    using F = QAudioFormat;
    QTest::newRow("same format") << pcm16(1, {16384, -16384}) << 8000 << 1 << F::Int16 << QList<double>{0.5, -0.5};
    QTest::newRow("mono to both sides") << pcm16(1, {16384, -8192}) << 8000 << 2 << F::Int16 << QList<double>{0.5, 0.5, -0.25, -0.25};
    QTest::newRow("stereo folded to mono") << pcm16(2, {16384, 0, -16384, -16384}) << 8000 << 1 << F::Float << QList<double>{0.25, -0.5};
    QTest::newRow("stereo on the first two of four") << pcm16(2, {16384, -16384}) << 8000 << 4 << F::Float << QList<double>{0.5, -0.5, 0, 0};
    QTest::newRow("8-bit unsigned to float") << format(1, 8000, 8).file(QByteArray("\x80\xc0\x40\x00", 4)) << 8000 << 1 << F::Float
                                             << QList<double>{0, 0.5, -0.5, -1};
    QTest::newRow("doubled rate interpolates") << pcm16(1, {0, 16384}) << 16000 << 1 << F::Float << QList<double>{0, 0.25, 0.5, 0.5};
    QTest::newRow("halved rate drops every other") << pcm16(1, {0, 8192, 16384, 24576}) << 4000 << 1 << F::Float << QList<double>{0, 0.5};
    QTest::newRow("to unsigned 8 bit") << pcm16(1, {0, 16384, -32768}) << 8000 << 1 << F::UInt8 << QList<double>{0, 0.5, -1};
    QTest::newRow("to 32 bit") << pcm16(1, {-16384}) << 8000 << 1 << F::Int32 << QList<double>{-0.5};
}

void TestWavReader::convert()
{
    QFETCH(QByteArray, wav);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(QAudioFormat::SampleFormat, sampleFormat);
    QFETCH(QList<double>, expected);

    const WavReader::Result read = WavReader::read(wav);
    QCOMPARE(read.verdict, WavReader::Verdict::Read);
    QAudioFormat target;
    target.setSampleRate(rate);
    target.setChannelCount(channels);
    target.setSampleFormat(sampleFormat);
    const QByteArray out = PcmConverter::convert(read.sound, target);
    QCOMPARE(out.size(), expected.size() * target.bytesPerSample());
    for (int i = 0; i < expected.size(); ++i) {
        const char *at = out.constData() + i * target.bytesPerSample();
        double v = 0;
        switch (sampleFormat) {
        case QAudioFormat::UInt8: v = (quint8(*at) - 128) / 128.0; break;
        case QAudioFormat::Int16: v = qFromLittleEndian<qint16>(at) / 32768.0; break;
        case QAudioFormat::Int32: v = qFromLittleEndian<qint32>(at) / 2147483648.0; break;
        default: v = qFromLittleEndian<float>(at); break;
        }
        QVERIFY2(qAbs(v - expected.at(i)) < 0.01, qPrintable(QStringLiteral("sample %1 is %2").arg(i).arg(v)));
    }
}

BUNPO_TEST_MAIN(TestWavReader)
#include "tst_wavreader.moc"
