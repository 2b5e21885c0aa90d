#pragma once

#include "ui/platform/SoundPlayer.h"

#include <QObject>
#include <QSet>

class QAudioOutput;
class QMediaPlayer;

// One QMediaPlayer with one QAudioOutput, made at the first sound. Setting a path starts it at
// once and replaces a sound still playing (the same path starts again from its beginning).
// Never blocks and never fails: a missing or unplayable file stays silent with one warning on
// standard error per file; a machine without an audio device plays into nothing, with one
// warning. (QSoundEffect is not used: a cut WAV leaves it loading for ever, and the next
// change blocks the caller.)
class MediaSoundPlayer : public QObject, public SoundPlayer
{
    Q_OBJECT
public:
    explicit MediaSoundPlayer(QObject *parent = nullptr);
    ~MediaSoundPlayer() override;

    void play(const QString &path) override;
    void stop() override;

    // Makes Qt Multimedia use its GStreamer backend unless QT_MEDIA_BACKEND says otherwise:
    // the ffmpeg backend of Qt 6.4 crashes at the first sound on a machine without audio.
    // Must run before anything of Qt Multimedia is used; the constructor calls it.
    static void chooseBackend();

private:
    void createPlayer();
    void dropBrokenPlayer();
    void warnOnce(const QString &key, const QString &text);

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
    // After an error every state change of a GStreamer player waits a full second for the
    // failed pipeline, so a player that reported one is replaced rather than reused.
    bool m_broken = false;
    QSet<QString> m_warned;
};
