#pragma once

#include "platform/PcmSound.h"

#include <QAudioFormat>

// Turns PCM as a WAV holds it into the samples an audio output takes: its rate (linear
// interpolation), its channel count (mono spread to every channel, stereo folded to mono or
// laid on the first two) and its sample format (unsigned 8, signed 16 or 32 bit, float).
namespace PcmConverter {

QByteArray convert(const PcmSound &sound, const QAudioFormat &target);

} // namespace PcmConverter
