#pragma once

#include <QString>

// The one sound player of the Drill screen.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // path: a data path as the program forms it (base folder + "\sound\o.wav").
    // Starts at once and replaces a sound still playing; returns at once. A missing or
    // unplayable file, or a machine without audio, stays silent: never an error.
    virtual void play(const QString &path) = 0;
    // Ends a sound still playing (the Drill screen going away takes its sound with it).
    virtual void stop() = 0;
    // Gets ready for the first sound ahead of time (opens the audio output); reads no sound
    // file. The first play() does it otherwise.
    virtual void prepare() {}
};
