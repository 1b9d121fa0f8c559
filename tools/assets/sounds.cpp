// The four sound cues, synthesised: a button click, a page turn, a soft
// tick for passing onto another element and a short closing chime.
// PCM WAV, 16-bit mono at 22,050 Hz, each ending in silence.
#include "assets.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace assets {
namespace {

constexpr int kRate = 22050;

using Signal = std::vector<double>;

Signal silence(double seconds)
{
    return Signal(std::size_t(std::lround(seconds * kRate)), 0.0);
}

double seconds(std::size_t sample)
{
    return double(sample) / kRate;
}

// Deterministic white noise in [-1, 1).
struct Noise {
    std::uint32_t state = 0x1234567u;
    double next()
    {
        state = state * 1664525u + 1013904223u;
        return double(state >> 8) / double(1u << 23) - 1.0;
    }
};

// Gentle start and end: a raised-cosine ramp in and out.
void fade(Signal &s, double in, double out)
{
    const std::size_t nin = std::size_t(in * kRate), nout = std::size_t(out * kRate);
    for (std::size_t i = 0; i < nin && i < s.size(); ++i)
        s[i] *= 0.5 - 0.5 * std::cos(M_PI * double(i) / double(nin));
    for (std::size_t i = 0; i < nout && i < s.size(); ++i)
        s[s.size() - 1 - i] *= 0.5 - 0.5 * std::cos(M_PI * double(i) / double(nout));
}

// Scales the signal so its highest sample reaches the given level.
void normalise(Signal &s, double peakDbfs)
{
    double peak = 0.0;
    for (double v : s)
        peak = std::max(peak, std::abs(v));
    if (peak == 0.0)
        return;
    const double gain = std::pow(10.0, peakDbfs / 20.0) / peak;
    for (double &v : s)
        v *= gain;
}

Signal click()
{
    Signal s = silence(0.060);
    Noise noise;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = seconds(i);
        const double body = std::exp(-t / 0.007) * (0.75 * std::sin(2 * M_PI * 1400 * t) + 0.35 * std::sin(2 * M_PI * 2950 * t));
        const double snap = std::exp(-t / 0.0012) * 0.45 * noise.next();
        s[i] = body + snap;
    }
    fade(s, 0.0006, 0.010);
    normalise(s, -6.0);
    return s;
}

Signal over()
{
    Signal s = silence(0.035);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = seconds(i);
        s[i] = std::exp(-t / 0.0045) * (std::sin(2 * M_PI * 2400 * t) + 0.25 * std::sin(2 * M_PI * 4800 * t));
    }
    fade(s, 0.0008, 0.008);
    normalise(s, -12.0);
    return s;
}

Signal page()
{
    // Noise through a band-pass filter that sweeps upwards, softened by a
    // low-pass: paper brushing past.
    Signal s = silence(0.160);
    Noise noise;
    double low = 0.0, band = 0.0, soft = 0.0;
    const double damping = 0.6;
    const double smoothing = 1.0 - std::exp(-2.0 * M_PI * 3500.0 / kRate);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = seconds(i), u = t / 0.160;
        const double centre = 500.0 + 2300.0 * std::pow(u, 1.5);
        const double f = 2.0 * std::sin(M_PI * centre / kRate);
        const double high = noise.next() - low - damping * band;
        band += f * high;
        low += f * band;
        soft += smoothing * (band - soft);
        const double envelope = std::sin(M_PI * std::min(1.0, u / 0.9)) * (1.0 - 0.4 * u);
        s[i] = soft * std::max(0.0, envelope);
    }
    fade(s, 0.004, 0.015);
    normalise(s, -9.0);
    return s;
}

Signal exitChime()
{
    // Two bell-like notes falling a fifth, G5 then C5.
    Signal s = silence(0.700);
    struct Note {
        double start, frequency;
    };
    const Note notes[] = {{0.0, 783.99}, {0.150, 523.25}};
    for (const Note &note : notes)
        for (std::size_t i = 0; i < s.size(); ++i) {
            const double t = seconds(i) - note.start;
            if (t < 0)
                continue;
            const double attack = t < 0.005 ? 0.5 - 0.5 * std::cos(M_PI * t / 0.005) : 1.0;
            const double f = note.frequency;
            s[i] += attack * (std::exp(-t / 0.200) * std::sin(2 * M_PI * f * t) +
                              0.30 * std::exp(-t / 0.090) * std::sin(2 * M_PI * 2.0 * f * t) +
                              0.12 * std::exp(-t / 0.050) * std::sin(2 * M_PI * 3.01 * f * t));
        }
    fade(s, 0.002, 0.080);
    normalise(s, -6.0);
    return s;
}

bool writeWav(const QString &path, const Signal &s)
{
    QByteArray data;
    for (double v : s) {
        const int sample = std::clamp(int(std::lround(v * 32767.0)), -32768, 32767);
        data.append(char(sample & 0xFF)).append(char((sample >> 8) & 0xFF));
    }
    auto put16 = [](QByteArray &out, quint32 v) { out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    auto put32 = [&](QByteArray &out, quint32 v) {
        put16(out, v & 0xFFFF);
        put16(out, v >> 16);
    };
    QByteArray file("RIFF");
    put32(file, quint32(4 + 8 + 16 + 8 + data.size()));
    file.append("WAVEfmt ");
    put32(file, 16);
    put16(file, 1);         // PCM
    put16(file, 1);         // mono
    put32(file, kRate);
    put32(file, kRate * 2); // bytes per second
    put16(file, 2);         // block align
    put16(file, 16);        // bits per sample
    file.append("data");
    put32(file, quint32(data.size()));
    file.append(data);

    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

bool writeSounds(const QString &sounds)
{
    QDir().mkpath(sounds);
    bool ok = true;
    ok = writeWav(sounds + QStringLiteral("/KTXbutton.wav"), click()) && ok;
    ok = writeWav(sounds + QStringLiteral("/KTXOverButton.wav"), over()) && ok;
    ok = writeWav(sounds + QStringLiteral("/KTXPage.wav"), page()) && ok;
    ok = writeWav(sounds + QStringLiteral("/KTXExit.wav"), exitChime()) && ok;
    return ok;
}

} // namespace assets
