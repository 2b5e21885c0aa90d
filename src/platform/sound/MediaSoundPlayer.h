#pragma once

// The SoundPlayer on Qt Multimedia: plays the drill's WAV sounds, silent where no device is.

#include "platform/SoundFileCache.h"
#include "platform/SoundPlayer.h"
#include "platform/WarnOnce.h"

#include <QAudioFormat>
#include <QObject>
#include <optional>

class BackendMediaPlayer;
class QAudioSink;
class QBuffer;

// The program's sound player: reads each WAV with our own reader (cached by path, size and
// modification time, so a replaced file is heard) and writes its samples to one QAudioSink on
// the default output, converted to the sink's format. A new sound replaces the one playing;
// the same sound again starts from its beginning; play() returns at once.
// Never fails and never aborts: a missing, cut or unreadable file stays silent with one
// warning naming it; no output device means silence, said once. A WAV in a format our reader
// does not decode goes to a Qt Multimedia player, made only when a backend for it exists.
class MediaSoundPlayer : public QObject, public SoundPlayer
{
    Q_OBJECT
public:
    explicit MediaSoundPlayer(QObject *parent = nullptr);
    ~MediaSoundPlayer() override;

    void play(const QString &path) override;
    void stop() override;
    // Opens the default audio output.
    void prepare() override;

private:
    void playThroughBackend(const QString &file, const QString &problem);

    SoundFileCache m_cache;
    WarnOnce m_warnings;
    bool m_outputChecked = false;
    QAudioFormat m_format;
    QAudioSink *m_sink = nullptr;
    QBuffer *m_buffer = nullptr;
    BackendMediaPlayer *m_backend = nullptr;
    std::optional<QString> m_missingBackend; // why no backend can play, once looked at
};
