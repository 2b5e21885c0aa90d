#include "ui/platform/MediaSoundPlayer.h"

#include "bank/DataFile.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>
#include <cstdio>

MediaSoundPlayer::MediaSoundPlayer(QObject *parent) : QObject(parent)
{
}

MediaSoundPlayer::~MediaSoundPlayer() = default;

void MediaSoundPlayer::warnOnce(const QString &key, const QString &text)
{
    if (m_warned.contains(key))
        return;
    m_warned.insert(key);
    std::fprintf(stderr, "bunpo-drill: %s\n", text.toLocal8Bit().constData());
}

void MediaSoundPlayer::play(const QString &path)
{
    const QString file = DataFile::locate(path);
    if (!QFileInfo(file).isFile()) {
        warnOnce(file, QStringLiteral("sound file not found, staying silent: %1").arg(file));
        return;
    }
    if (QMediaDevices::audioOutputs().isEmpty()) {
        warnOnce(QStringLiteral("<no device>"), QStringLiteral("no audio device, sounds stay silent"));
        return;
    }
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        m_output = new QAudioOutput(this);
        m_player->setAudioOutput(m_output);
        connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString &text) {
            const QString source = m_player->source().toLocalFile();
            warnOnce(source, QStringLiteral("cannot play %1: %2").arg(source, text));
        });
    }
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(file));
    m_player->play();
}

void MediaSoundPlayer::stop()
{
    if (m_player)
        m_player->stop();
}
