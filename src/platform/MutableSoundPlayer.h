#pragma once

#include "platform/SoundPlayer.h"

// Stands in front of the program's sound player so that the learner can silence the program
// for the rest of the run. Muted, no sound is started; muting also ends a sound still playing.
// Everything else goes through unchanged.
class MutableSoundPlayer : public SoundPlayer
{
public:
    explicit MutableSoundPlayer(SoundPlayer &player) : m_player(player) {}

    void play(const QString &path) override;
    void stop() override;

    bool isMuted() const { return m_muted; }
    void setMuted(bool muted);

private:
    SoundPlayer &m_player;
    bool m_muted = false;
};
