#pragma once

#include "platform/PcmSound.h"

#include <QString>

// Reads a RIFF/WAVE sound of linear PCM: 8 or 16 bit, mono or stereo, 8000 to 192000 Hz.
// Strict about lengths: every chunk must lie whole inside the RIFF form, the form inside the
// bytes given, and the samples must be whole frames. A well-made WAV in another format
// (compressed, float, 24-bit, extensible header, more channels) is told apart from a broken
// one, so that a caller may hand it to a general media player.
class WavReader
{
public:
    enum class Verdict {
        Read,        // sound holds the samples
        OtherFormat, // a sound file, but in a format this reader does not decode
        Broken,      // not a WAV, cut short, or contradicting itself
    };

    struct Result
    {
        Verdict verdict = Verdict::Broken;
        PcmSound sound;  // when Read
        QString problem; // otherwise: what is wrong or unsupported, in words for a user
    };

    static Result read(const QByteArray &bytes);
};
