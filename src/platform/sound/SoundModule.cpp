#include "platform/sound/SoundModule.h"

#include "platform/sound/MediaSoundPlayer.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT SoundPlayer *bunpoCreateSoundPlayer()
{
    return new MediaSoundPlayer;
}
