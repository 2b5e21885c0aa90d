#include "support/WavBytes.h"

#include <QtEndian>

namespace {

void put16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

} // namespace

QByteArray WavBytes::file(const QByteArray &samples, qint64 keep) const
{
    const quint16 align = blockAlign >= 0 ? quint16(blockAlign) : quint16(channels * bitsPerSample / 8);
    QByteArray format;
    put16(format, formatTag);
    put16(format, channels);
    put32(format, sampleRate);
    put32(format, byteRate >= 0 ? quint32(byteRate) : sampleRate * align);
    put16(format, align);
    put16(format, bitsPerSample);
    format.append(QByteArray(int(formatLength) - 16, '\0'));

    QByteArray body("WAVE");
    body.append("fmt ");
    put32(body, formatLength);
    body.append(format);
    body.append("data");
    put32(body, quint32(samples.size()));
    body.append(samples);
    if (samples.size() % 2)
        body.append('\0');

    QByteArray out("RIFF");
    put32(out, quint32(body.size()));
    out.append(body);
    return keep >= 0 ? out.left(keep) : out;
}

QByteArray WavBytes::square(int frames) const
{
    QByteArray out;
    for (int i = 0; i < frames; ++i) {
        const bool high = (i / 25) % 2;
        for (int c = 0; c < channels; ++c) {
            if (bitsPerSample == 8)
                out.append(char(high ? 160 : 96));
            else
                for (int b = 0; b < bitsPerSample / 8; ++b)
                    out.append(char(b == bitsPerSample / 8 - 1 ? (high ? 0x0b : 0xf4) : 0));
        }
    }
    return out;
}
