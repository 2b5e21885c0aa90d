#include "platform/sound/PcmConverter.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace PcmConverter {

namespace {

// One source sample as -1 <= v < 1.
float sampleAt(const PcmSound &sound, qint64 frame, int channel)
{
    const char *at = sound.samples.constData() + frame * sound.frameBytes() + channel * (sound.bitsPerSample / 8);
    if (sound.bitsPerSample == 8)
        return (int(quint8(*at)) - 128) / 128.0f;
    return qFromLittleEndian<qint16>(at) / 32768.0f;
}

void write(char *to, QAudioFormat::SampleFormat format, float v)
{
    v = std::clamp(v, -1.0f, 1.0f);
    switch (format) {
    case QAudioFormat::UInt8: {
        const quint8 s = quint8(std::clamp(std::lround(v * 128.0f) + 128, 0L, 255L));
        std::memcpy(to, &s, 1);
        break;
    }
    case QAudioFormat::Int16: {
        const qint16 s = qint16(std::clamp(std::lround(v * 32768.0f), -32768L, 32767L));
        std::memcpy(to, &s, 2);
        break;
    }
    case QAudioFormat::Int32: {
        const qint32 s = qint32(std::clamp(std::llround(double(v) * 2147483648.0), -2147483648LL, 2147483647LL));
        std::memcpy(to, &s, 4);
        break;
    }
    case QAudioFormat::Float:
        std::memcpy(to, &v, 4);
        break;
    default:
        break;
    }
}

} // namespace

QByteArray convert(const PcmSound &sound, const QAudioFormat &target)
{
    const qint64 sourceFrames = sound.frames();
    const int channels = target.channelCount();
    const int bytesPerSample = target.bytesPerSample();
    if (sourceFrames == 0 || channels <= 0 || bytesPerSample <= 0 || target.sampleRate() <= 0)
        return {};
    const double step = double(sound.sampleRate) / target.sampleRate();
    const qint64 frames = std::max<qint64>(1, std::llround(sourceFrames / step));

    // The source's channels for one output channel: mono feeds every channel, stereo feeds
    // its two sides (or their mean, for a mono output); channels beyond the second stay silent.
    const auto source = [&](qint64 frame, int channel) -> float {
        if (sound.channels == 1)
            return sampleAt(sound, frame, 0);
        if (channels == 1)
            return (sampleAt(sound, frame, 0) + sampleAt(sound, frame, 1)) / 2;
        return channel < 2 ? sampleAt(sound, frame, channel) : 0.0f;
    };

    QByteArray out(frames * channels * bytesPerSample, Qt::Uninitialized);
    char *to = out.data();
    for (qint64 i = 0; i < frames; ++i) {
        const double position = i * step;
        const qint64 before = std::min<qint64>(qint64(position), sourceFrames - 1);
        const qint64 after = std::min<qint64>(before + 1, sourceFrames - 1);
        const float weight = float(std::clamp(position - double(before), 0.0, 1.0));
        for (int c = 0; c < channels; ++c) {
            const float v = source(before, c) * (1 - weight) + source(after, c) * weight;
            write(to, target.sampleFormat(), v);
            to += bytesPerSample;
        }
    }
    return out;
}

} // namespace PcmConverter
