#include "platform/MutableSoundPlayer.h"

void MutableSoundPlayer::play(const QString &path)
{
    if (!m_muted)
        m_player.play(path);
}

void MutableSoundPlayer::stop()
{
    m_player.stop();
}

void MutableSoundPlayer::setMuted(bool muted)
{
    // The learner asked for silence now, not after the fanfare.
    if (muted && !m_muted)
        m_player.stop();
    m_muted = muted;
}
