#pragma once

#include <QByteArray>

// Linear PCM as a WAV file holds it: little-endian, channels interleaved, 8-bit samples
// unsigned around 128, 16-bit samples signed. Whole frames only.
struct PcmSound
{
    int sampleRate = 0;    // frames per second
    int channels = 0;      // 1 or 2
    int bitsPerSample = 0; // 8 or 16
    QByteArray samples;

    int frameBytes() const { return channels * bitsPerSample / 8; }
    qint64 frames() const { return frameBytes() > 0 ? samples.size() / frameBytes() : 0; }
};
