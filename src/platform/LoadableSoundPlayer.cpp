#include "platform/LoadableSoundPlayer.h"

#include "platform/sound/SoundModule.h"

#include <QDir>
#include <QLibrary>

LoadableSoundPlayer::LoadableSoundPlayer(const QStringList &moduleFolders) : m_moduleFolders(moduleFolders)
{
}

// The module stays loaded to the end: its player is deleted here, the code with the process.
LoadableSoundPlayer::~LoadableSoundPlayer() = default;

QString LoadableSoundPlayer::modulePath(const QString &moduleFolder)
{
    return QDir(moduleFolder).filePath(QStringLiteral("bunpo-sound"));
}

QStringList LoadableSoundPlayer::moduleFoldersOf(const QString &programFolder)
{
    return {programFolder, QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral("../lib/bunpo-drill")))};
}

SoundPlayer *LoadableSoundPlayer::player()
{
    if (m_loadTried)
        return m_player.get();
    m_loadTried = true;
    CreateSoundPlayer create = nullptr;
    QString why;
    for (const QString &folder : std::as_const(m_moduleFolders)) {
        QLibrary module(modulePath(folder));
        create = reinterpret_cast<CreateSoundPlayer>(module.resolve(BUNPO_SOUND_MODULE_ENTRY));
        if (create)
            break;
        if (why.isEmpty())
            why = module.errorString();
    }
    if (!create) {
        m_warnings.warn(QStringLiteral("<module>"),
                        QStringLiteral("cannot load the sound module, sounds stay silent: %1").arg(why));
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
