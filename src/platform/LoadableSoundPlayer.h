#pragma once

#include "platform/SoundPlayer.h"
#include "platform/WarnOnce.h"

#include <QString>
#include <QStringList>
#include <memory>

// The program's sound player as main() makes it: the player of the sound module, loaded from
// the first of its folders that holds it, at prepare() or at the first sound, so that start-up never waits for Qt
// Multimedia. Where the module cannot be loaded the program stays silent and says so once.
class LoadableSoundPlayer : public SoundPlayer
{
public:
    // moduleFolders: where the sound module ("bunpo-sound" with the platform's suffix) may lie,
    // in the order they are tried.
    explicit LoadableSoundPlayer(const QStringList &moduleFolders);
    ~LoadableSoundPlayer() override;

    void play(const QString &path) override;
    void stop() override;
    void prepare() override;

    // The module's file without its suffix.
    static QString modulePath(const QString &moduleFolder);
    // The program's own folder (a build, a copied folder), then the installed place beside the
    // program's prefix (bin/../lib/bunpo-drill).
    static QStringList moduleFoldersOf(const QString &programFolder);

private:
    // The module's player, loaded at the first need; null where the module cannot be loaded.
    SoundPlayer *player();

    QStringList m_moduleFolders;
    bool m_loadTried = false;
    std::unique_ptr<SoundPlayer> m_player;
    WarnOnce m_warnings;
};
