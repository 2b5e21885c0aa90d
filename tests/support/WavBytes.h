#pragma once

#include <QByteArray>

// Hand-made RIFF/WAVE files for the sound tests: a header whose every field can be bent.
struct WavBytes
{
    quint16 formatTag = 1;
    quint16 channels = 1;
    quint32 sampleRate = 22050;
    quint16 bitsPerSample = 16;
    qint64 byteRate = -1;   // -1: what the other fields make it
    qint64 blockAlign = -1; // -1: what the other fields make it
    quint32 formatLength = 16;

    // A RIFF/WAVE file with `samples` as its data chunk, cut to `keep` bytes when keep >= 0.
    QByteArray file(const QByteArray &samples, qint64 keep = -1) const;
    // `frames` frames of a quiet square wave in this format.
    QByteArray square(int frames) const;
};
