#include "WavWriter.h"

#include <QtEndian>

namespace WavWriter {

namespace {

void put32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void put16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

} // namespace

QByteArray encode(const QList<qint16> &samples, int sampleRate)
{
    const quint32 dataBytes = quint32(samples.size()) * 2;
    QByteArray out;
    out.reserve(44 + int(dataBytes));
    out.append("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, quint32(sampleRate));
    put32(out, quint32(sampleRate) * 2);
    put16(out, 2);
    put16(out, 16);
    out.append("data", 4);
    put32(out, dataBytes);
    for (const qint16 s : samples)
        put16(out, quint16(s));
    return out;
}

} // namespace WavWriter
