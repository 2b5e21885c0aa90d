#include "SoundEffects.h"

#include "WavWriter.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace SoundEffects {

namespace {

using Buffer = std::vector<double>;

constexpr double TwoPi = 2 * std::numbers::pi;
constexpr double Nyquist = SampleRate / 2.0;

Buffer silence(double seconds)
{
    return Buffer(size_t(std::lround(seconds * SampleRate)), 0.0);
}

double timeOf(size_t i)
{
    return double(i) / SampleRate;
}

// Attack and release ramps so that no note clicks.
double ramp(double t, double start, double length, double attack, double release)
{
    const double local = t - start;
    if (local < 0 || local > length)
        return 0;
    double g = 1;
    if (local < attack)
        g = local / attack;
    if (length - local < release)
        g = std::min(g, (length - local) / release);
    return g;
}

// A bell-like tone: fundamental with two soft harmonics, decaying exponentially.
void addChime(Buffer &b, double start, double length, double freq, double decay, double level)
{
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = timeOf(i);
        const double local = t - start;
        const double env = ramp(t, start, length, 0.004, 0.03);
        if (env <= 0)
            continue;
        const double ph = TwoPi * freq * local;
        b[i] += level * env * std::exp(-local / decay)
                * (std::sin(ph) + 0.3 * std::sin(2 * ph) + 0.12 * std::sin(3 * ph) + 0.05 * std::sin(4.2 * ph));
    }
}

// A tone of harmonics k with amplitude weight(k, f) / k: a band-limited sawtooth shaped by
// weight. freq(t) may glide; the phase is integrated so that it stays continuous.
template <typename Freq, typename Weight>
void addHarmonicTone(Buffer &b, double start, double length, Freq freq, Weight weight, double level, int harmonics,
                     double attack = 0.01, double release = 0.05)
{
    double phase = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = timeOf(i);
        if (t < start)
            continue;
        if (t > start + length)
            break;
        const double env = ramp(t, start, length, attack, release);
        const double f = freq(t - start);
        phase += TwoPi * f / SampleRate;
        double v = 0;
        for (int k = 1; k <= harmonics && k * f < Nyquist - 500; ++k)
            v += weight(k, k * f, t - start) / k * std::sin(k * phase);
        b[i] += level * env * v;
    }
}

// The resonance of a vowel: two formants over a floor.
double formant(double f, double f1, double f2)
{
    return 0.15 + std::exp(-std::pow((f - f1) / 180, 2)) + 0.7 * std::exp(-std::pow((f - f2) / 250, 2));
}

// Seeded white noise, the same on every run and platform.
class Noise
{
public:
    double next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return double(m_state >> 8) / double(1u << 23) - 1.0;
    }

private:
    quint32 m_state = 0x2545f491u;
};

QList<qint16> toPcm(const Buffer &b, double peakLevel = 0.85)
{
    double peak = 1e-9;
    for (const double v : b)
        peak = std::max(peak, std::abs(v));
    const double gain = peakLevel * 32767 / peak;
    QList<qint16> out;
    out.reserve(qsizetype(b.size()));
    for (const double v : b)
        out.append(qint16(std::lround(std::clamp(v * gain, -32767.0, 32767.0))));
    return out;
}

QList<qint16> chime()
{
    Buffer b = silence(1.0);
    addChime(b, 0.0, 0.26, 1318.51, 0.15, 1.0);  // E6
    addChime(b, 0.18, 0.82, 1046.50, 0.30, 1.0); // C6
    return toPcm(b);
}

QList<qint16> buzzer()
{
    Buffer b = silence(0.55);
    const auto square = [](int k, double, double) { return k % 2 ? 1.0 : 0.0; };
    addHarmonicTone(b, 0.0, 0.52, [](double) { return 130.0; }, square, 1.0, 40, 0.008, 0.04);
    // A little of a slightly sharp second voice roughens it without a slow wobble.
    addHarmonicTone(b, 0.0, 0.52, [](double) { return 138.0; }, square, 0.25, 40, 0.008, 0.04);
    return toPcm(b, 0.7);
}

QList<qint16> pop()
{
    Buffer b = silence(0.3);
    Noise noise;
    double low = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = timeOf(i);
        const double crack = noise.next() * std::exp(-t / 0.018);
        low += 0.25 * (crack - low); // a little softening, so that it is a pop, not a hiss
        const double thump = std::sin(TwoPi * 95 * t) * std::exp(-t / 0.045);
        b[i] = (0.6 * crack + 0.6 * low + 0.5 * thump) * std::min(1.0, t / 0.0008);
    }
    return toPcm(b, 0.9);
}

QList<qint16> noGood()
{
    Buffer b = silence(1.0);
    const auto vibrato = [](double t, double f) { return f * (1 + 0.012 * std::sin(TwoPi * 5.5 * t) * std::min(1.0, t / 0.2)); };
    // "da": a bright open vowel, G4.
    addHarmonicTone(
        b, 0.0, 0.30, [&](double t) { return vibrato(t, 392.0); },
        [](int, double f, double) { return formant(f, 800, 1200); }, 1.0, 24, 0.015, 0.04);
    // "me": a closer vowel, D4 sagging towards C#4.
    addHarmonicTone(
        b, 0.32, 0.64, [&](double t) { return vibrato(t, 293.66 * std::pow(0.94, t / 0.64)); },
        [](int, double f, double) { return formant(f, 480, 1850); }, 1.0, 30, 0.03, 0.18);
    return toPcm(b);
}

QList<qint16> fanfare()
{
    Buffer b = silence(1.55);
    // Brass: the upper harmonics grow as the note speaks.
    const auto brass = [](int k, double, double t) { return std::pow(0.82, (k - 1) * (1.0 - std::min(1.0, t / 0.06) * 0.5)); };
    const auto note = [&](double start, double length, double freq, double level) {
        addHarmonicTone(
            b, start, length,
            [freq](double t) { return freq * (1 + 0.004 * std::sin(TwoPi * 5 * t) * std::min(1.0, t / 0.3)); },
            brass, level, 16, 0.012, 0.06);
    };
    note(0.00, 0.12, 523.25, 0.9); // C5
    note(0.14, 0.12, 659.26, 0.9); // E5
    note(0.28, 0.12, 783.99, 0.9); // G5
    note(0.44, 1.06, 1046.50, 0.8); // C6, held over the chord
    note(0.44, 1.06, 783.99, 0.55);
    note(0.44, 1.06, 659.26, 0.5);
    note(0.44, 1.06, 523.25, 0.5);
    return toPcm(b);
}

} // namespace

QList<qint16> samples(Sound sound)
{
    switch (sound) {
    case Sound::Correct: return chime();
    case Sound::Wrong: return buzzer();
    case Sound::Burst: return pop();
    case Sound::NoGood: return noGood();
    case Sound::Pass: return fanfare();
    }
    return {};
}

QByteArray wav(Sound sound)
{
    return WavWriter::encode(samples(sound), SampleRate);
}

} // namespace SoundEffects
