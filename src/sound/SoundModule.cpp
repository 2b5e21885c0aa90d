#include "sound/SoundModule.h"

#include "sound/MediaSoundPlayer.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT SoundPlayer *bunpoCreateSoundPlayer()
{
    return new MediaSoundPlayer;
}
