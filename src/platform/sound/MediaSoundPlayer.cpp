#include "platform/sound/MediaSoundPlayer.h"

#include "platform/DataFile.h"
#include "platform/sound/BackendMediaPlayer.h"
#include "platform/sound/PcmConverter.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

MediaSoundPlayer::MediaSoundPlayer(QObject *parent) : QObject(parent)
{
}

MediaSoundPlayer::~MediaSoundPlayer()
{
    if (m_sink)
        m_sink->stop();
}

void MediaSoundPlayer::prepare()
{
    if (m_outputChecked)
        return;
    m_outputChecked = true;
    // Without a device a sink would only fail, and say so, at every sound.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        m_warnings.warn(QStringLiteral("<no device>"), QStringLiteral("no audio output device found: sounds stay silent"));
        return;
    }
    // The device's own rate and channels, in 16-bit samples where it takes them.
    m_format = device.preferredFormat();
    if (!m_format.isValid()) {
        m_format.setSampleRate(44100);
        m_format.setChannelCount(2);
        m_format.setSampleFormat(QAudioFormat::Int16);
    }
    QAudioFormat sixteenBit = m_format;
    sixteenBit.setSampleFormat(QAudioFormat::Int16);
    if (device.isFormatSupported(sixteenBit))
        m_format = sixteenBit;
    m_sink = new QAudioSink(device, m_format, this);
    m_buffer = new QBuffer(this);
    // A sound played to its end gives its stream back to the audio server.
    // Queued: the sink is not stopped from inside its own notification.
    connect(m_sink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::IdleState && m_sink->state() == QAudio::IdleState)
            m_sink->stop();
        else if (state == QAudio::StoppedState && m_sink->error() != QAudio::NoError && m_sink->error() != QAudio::UnderrunError)
            m_warnings.warn(QStringLiteral("<output error>"),
                            QStringLiteral("the audio output failed (error %1): sounds may stay silent").arg(int(m_sink->error())));
    }, Qt::QueuedConnection);
}

void MediaSoundPlayer::play(const QString &path)
{
    stop();
    const QString file = DataFile::locate(path);
    SoundFileCache::Entry &entry = m_cache.lookup(file);
    switch (entry.wav.verdict) {
    case WavReader::Verdict::Broken:
        if (entry.fresh)
            m_warnings.warn(file, QStringLiteral("cannot play %1, staying silent: %2").arg(file, entry.wav.problem));
        return;
    case WavReader::Verdict::OtherFormat:
        playThroughBackend(file, entry.wav.problem);
        return;
    case WavReader::Verdict::Read:
        break;
    }
    prepare();
    if (!m_sink)
        return;
    if (entry.converted.isEmpty())
        entry.converted = PcmConverter::convert(entry.wav.sound, m_format);
    // The buffer shares the cached samples; nothing is copied.
    m_buffer->close();
    m_buffer->setData(entry.converted);
    m_buffer->open(QIODevice::ReadOnly);
    m_sink->start(m_buffer);
}

void MediaSoundPlayer::playThroughBackend(const QString &file, const QString &problem)
{
    if (!m_backend) {
        if (!m_missingBackend)
            m_missingBackend = BackendMediaPlayer::missingBackend();
        if (!m_missingBackend->isEmpty()) {
            m_warnings.warn(file, QStringLiteral("cannot play %1, staying silent: it holds %2, which needs a Qt multimedia "
                                                 "backend, and %3")
                                      .arg(file, problem, *m_missingBackend));
            return;
        }
        m_backend = new BackendMediaPlayer(
            [this](const QString &failed, const QString &text) {
                m_warnings.warn(failed, QStringLiteral("cannot play %1: %2").arg(failed, text));
            },
            this);
    }
    m_backend->play(file);
}

void MediaSoundPlayer::stop()
{
    if (m_sink && m_sink->state() != QAudio::StoppedState)
        m_sink->stop();
    if (m_backend)
        m_backend->stop();
}
