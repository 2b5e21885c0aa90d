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
    chooseBackend();
}

MediaSoundPlayer::~MediaSoundPlayer() = default;

void MediaSoundPlayer::chooseBackend()
{
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
}

void MediaSoundPlayer::warnOnce(const QString &key, const QString &text)
{
    if (m_warned.contains(key))
        return;
    m_warned.insert(key);
    std::fprintf(stderr, "bunpo-drill: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

void MediaSoundPlayer::createPlayer()
{
    // GStreamer plays into nothing when there is no device; the sound is lost, nothing else.
    if (QMediaDevices::audioOutputs().isEmpty())
        warnOnce(QStringLiteral("<no device>"), QStringLiteral("no audio output device found: sounds may stay silent"));
    m_player = new QMediaPlayer(this);
    m_output = new QAudioOutput(this);
    m_player->setAudioOutput(m_output);
    QMediaPlayer *player = m_player;
    connect(player, &QMediaPlayer::errorOccurred, this, [this, player](QMediaPlayer::Error error, const QString &text) {
        if (error == QMediaPlayer::NoError || player != m_player)
            return;
        m_broken = true;
        const QString source = player->source().toLocalFile();
        warnOnce(source, QStringLiteral("cannot play %1: %2").arg(source, text));
    });
}

void MediaSoundPlayer::dropBrokenPlayer()
{
    delete m_player;
    delete m_output;
    m_player = nullptr;
    m_output = nullptr;
    m_broken = false;
}

void MediaSoundPlayer::play(const QString &path)
{
    const QString file = DataFile::locate(path);
    if (!QFileInfo(file).isFile()) {
        stop();
        warnOnce(file, QStringLiteral("sound file not found, staying silent: %1").arg(file));
        return;
    }
    if (m_broken)
        dropBrokenPlayer();
    if (!m_player)
        createPlayer();
    // stop() first: setting the source that is already set changes nothing, and the same
    // sound asked for again must start from its beginning.
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(file));
    m_player->play();
}

void MediaSoundPlayer::stop()
{
    if (m_broken)
        dropBrokenPlayer();
    else if (m_player)
        m_player->stop();
}
