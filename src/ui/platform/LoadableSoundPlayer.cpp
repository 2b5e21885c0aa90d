#include "ui/platform/LoadableSoundPlayer.h"

#include "sound/SoundModule.h"

#include <QDir>
#include <QLibrary>

LoadableSoundPlayer::LoadableSoundPlayer(const QString &moduleFolder) : m_moduleFolder(moduleFolder)
{
}

// The module stays loaded to the end: its player is deleted here, the code with the process.
LoadableSoundPlayer::~LoadableSoundPlayer() = default;

QString LoadableSoundPlayer::modulePath(const QString &moduleFolder)
{
    return QDir(moduleFolder).filePath(QStringLiteral("bunpo-sound"));
}

SoundPlayer *LoadableSoundPlayer::player()
{
    if (m_loadTried)
        return m_player.get();
    m_loadTried = true;
    QLibrary module(modulePath(m_moduleFolder));
    const auto create = reinterpret_cast<CreateSoundPlayer>(module.resolve(BUNPO_SOUND_MODULE_ENTRY));
    if (!create) {
        m_warnings.warn(QStringLiteral("<module>"),
                        QStringLiteral("cannot load the sound module, sounds stay silent: %1").arg(module.errorString()));
        return nullptr;
    }
    m_player.reset(create());
    return m_player.get();
}

void LoadableSoundPlayer::prepare()
{
    if (SoundPlayer *loaded = player())
        loaded->prepare();
}

void LoadableSoundPlayer::play(const QString &path)
{
    if (SoundPlayer *loaded = player())
        loaded->play(path);
}

void LoadableSoundPlayer::stop()
{
    // A player never loaded has nothing playing: stopping loads nothing.
    if (m_player)
        m_player->stop();
}
