#pragma once

#include "platform/SoundPlayer.h"

// Plays nothing and keeps nothing: a soak of many thousand answers must not grow a record.
class SilentSoundPlayer : public SoundPlayer
{
public:
    void play(const QString &) override { ++played; }
    void stop() override {}

    long played = 0;
};
