#pragma once

// The Qt Multimedia backend behind MediaSoundPlayer, for the sounds our own reader does not decode.

#include <QObject>
#include <functional>

class QAudioOutput;
class QMediaPlayer;

// A Qt Multimedia player for the sound files our own reader does not decode (compressed or
// 24-bit WAVs). Made at its first sound, and only where Qt has a multimedia backend that it
// can load: naming a backend that is not installed makes Qt abort at the first player.
class BackendMediaPlayer : public QObject
{
    Q_OBJECT
public:
    // failed(file, text): the backend could not play file.
    explicit BackendMediaPlayer(std::function<void(const QString &, const QString &)> failed, QObject *parent = nullptr);
    ~BackendMediaPlayer() override;

    // Why no backend can play here, or an empty string when one can. Looks at the plugins'
    // metadata only: loads nothing and touches no Qt Multimedia class.
    static QString missingBackend();

    // file: a path of this system. Starts it from its beginning, replacing a sound playing.
    void play(const QString &file);
    void stop();

private:
    void create();

    std::function<void(const QString &, const QString &)> m_failed;
    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
    // A player that reported an error waits on its failed pipeline at every change of state,
    // so it is replaced rather than reused.
    bool m_broken = false;
};
