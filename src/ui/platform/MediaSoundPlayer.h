#pragma once

#include "ui/platform/SoundPlayer.h"

#include <QObject>
#include <QSet>

class QAudioOutput;
class QMediaPlayer;

// One QMediaPlayer with one QAudioOutput. Setting a path starts it at once and replaces a
// playing sound. Without an audio device it stays silent and warns once; a missing or
// unplayable file stays silent with one warning on standard error. Never blocks.
class MediaSoundPlayer : public QObject, public SoundPlayer
{
    Q_OBJECT
public:
    explicit MediaSoundPlayer(QObject *parent = nullptr);
    ~MediaSoundPlayer() override;

    void play(const QString &path) override;
    void stop() override;

private:
    void warnOnce(const QString &key, const QString &text);

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
    QSet<QString> m_warned;
};
