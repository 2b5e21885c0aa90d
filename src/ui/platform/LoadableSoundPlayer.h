#pragma once

#include "ui/platform/SoundPlayer.h"
#include "ui/platform/WarnOnce.h"

#include <QString>
#include <memory>

// The program's sound player as main() makes it: the player of the sound module, loaded from
// the program's folder at prepare() or at the first sound, so that start-up never waits for Qt
// Multimedia. Where the module cannot be loaded the program stays silent and says so once.
class LoadableSoundPlayer : public SoundPlayer
{
public:
    // moduleFolder: the folder of the sound module ("bunpo-sound" with the platform's suffix).
    explicit LoadableSoundPlayer(const QString &moduleFolder);
    ~LoadableSoundPlayer() override;

    void play(const QString &path) override;
    void stop() override;
    void prepare() override;

    // The module's file without its suffix.
    static QString modulePath(const QString &moduleFolder);

private:
    // The module's player, loaded at the first need; null where the module cannot be loaded.
    SoundPlayer *player();

    QString m_moduleFolder;
    bool m_loadTried = false;
    std::unique_ptr<SoundPlayer> m_player;
    WarnOnce m_warnings;
};
