#include "platform/WavReader.h"

#include <QtEndian>

namespace {

constexpr int LowestRate = 8000;
constexpr int HighestRate = 192000;
constexpr quint16 PcmTag = 1;
constexpr quint16 ExtensibleTag = 0xFFFE;

quint32 le32(const QByteArray &bytes, qint64 at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 le16(const QByteArray &bytes, qint64 at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

WavReader::Result refuse(WavReader::Verdict verdict, const QString &problem)
{
    WavReader::Result result;
    result.verdict = verdict;
    result.problem = problem;
    return result;
}

WavReader::Result broken(const QString &problem)
{
    return refuse(WavReader::Verdict::Broken, problem);
}

QString printable(const QByteArray &id)
{
    QString text;
    for (const char c : id)
        text += (c >= 0x20 && c < 0x7f) ? QChar::fromLatin1(c) : QChar(u'?');
    return text;
}

} // namespace

WavReader::Result WavReader::read(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return broken(QStringLiteral("the file is empty"));
    if (bytes.size() < 12)
        return broken(QStringLiteral("%1 bytes are too few for a RIFF/WAVE header").arg(bytes.size()));
    if (!bytes.startsWith("RIFF"))
        return broken(QStringLiteral("not a RIFF/WAVE sound file"));
    if (bytes.mid(8, 4) != "WAVE")
        return broken(QStringLiteral("a RIFF file of form '%1', not a WAVE sound").arg(printable(bytes.mid(8, 4))));

    // Bytes after the RIFF form are left alone; a form longer than the file is a cut file.
    const qint64 formEnd = 8 + qint64(le32(bytes, 4));
    if (formEnd > bytes.size())
        return broken(QStringLiteral("cut short: its RIFF header announces %1 bytes, only %2 follow")
                          .arg(formEnd - 8)
                          .arg(bytes.size() - 8));

    bool haveFormat = false;
    bool haveData = false;
    quint16 tag = 0, channels = 0, blockAlign = 0, bits = 0;
    quint32 rate = 0, byteRate = 0;
    qint64 dataAt = 0, dataLength = 0;
    for (qint64 at = 12; at < formEnd;) {
        if (at + 8 > formEnd)
            return broken(QStringLiteral("cut short: a chunk header at byte %1 runs past the end of the sound").arg(at));
        const QByteArray id = bytes.mid(at, 4);
        const qint64 length = le32(bytes, at + 4);
        if (at + 8 + length > formEnd)
            return broken(QStringLiteral("cut short: its '%1' chunk announces %2 bytes, only %3 follow")
                              .arg(printable(id))
                              .arg(length)
                              .arg(formEnd - at - 8));
        if (id == "fmt ") {
            if (haveFormat)
                return broken(QStringLiteral("it has two format chunks"));
            if (length < 16)
                return broken(QStringLiteral("its format chunk is %1 bytes, too short to describe a sound").arg(length));
            haveFormat = true;
            tag = le16(bytes, at + 8);
            channels = le16(bytes, at + 10);
            rate = le32(bytes, at + 12);
            byteRate = le32(bytes, at + 16);
            blockAlign = le16(bytes, at + 20);
            bits = le16(bytes, at + 22);
        } else if (id == "data") {
            if (!haveFormat)
                return broken(QStringLiteral("its data chunk comes before the format chunk"));
            if (haveData)
                return broken(QStringLiteral("it has two data chunks"));
            haveData = true;
            dataAt = at + 8;
            dataLength = length;
        }
        // Chunks are padded to even lengths; a pad byte missing at the very end is forgiven.
        at += 8 + length + (length & 1);
    }
    if (!haveFormat)
        return broken(QStringLiteral("it has no format chunk"));
    if (!haveData)
        return broken(QStringLiteral("it has no data chunk"));
    if (channels == 0 || rate == 0)
        return broken(QStringLiteral("its format chunk gives %1 channels at %2 Hz").arg(channels).arg(rate));

    if (tag == ExtensibleTag)
        return refuse(Verdict::OtherFormat, QStringLiteral("an extensible WAVE format header"));
    if (tag != PcmTag)
        return refuse(Verdict::OtherFormat, QStringLiteral("not linear PCM (format tag 0x%1)").arg(tag, 4, 16, QChar(u'0')));
    if (bits != 8 && bits != 16)
        return refuse(Verdict::OtherFormat, QStringLiteral("%1-bit samples").arg(bits));
    if (channels > 2)
        return refuse(Verdict::OtherFormat, QStringLiteral("%1 channels").arg(channels));
    if (rate < LowestRate || rate > HighestRate)
        return refuse(Verdict::OtherFormat, QStringLiteral("a sample rate of %1 Hz").arg(rate));

    const int frameBytes = channels * bits / 8;
    if (blockAlign != frameBytes)
        return broken(QStringLiteral("its frames of %1 channels of %2 bits are %3 bytes, not %4")
                          .arg(channels)
                          .arg(bits)
                          .arg(frameBytes)
                          .arg(blockAlign));
    if (byteRate != rate * quint32(frameBytes))
        return broken(QStringLiteral("its byte rate is %1, not %2 for %3 Hz").arg(byteRate).arg(rate * frameBytes).arg(rate));
    if (dataLength % frameBytes != 0)
        return broken(QStringLiteral("its %1 bytes of samples are not whole frames of %2 bytes").arg(dataLength).arg(frameBytes));

    Result result;
    result.verdict = Verdict::Read;
    result.sound.sampleRate = int(rate);
    result.sound.channels = channels;
    result.sound.bitsPerSample = bits;
    result.sound.samples = bytes.mid(dataAt, dataLength);
    return result;
}
