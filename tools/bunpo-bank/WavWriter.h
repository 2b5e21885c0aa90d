#pragma once

#include <QByteArray>
#include <QList>

// A RIFF/WAVE file of 16-bit PCM mono samples.
namespace WavWriter {

QByteArray encode(const QList<qint16> &samples, int sampleRate);

} // namespace WavWriter
