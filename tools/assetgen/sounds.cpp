#include "sounds.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

constexpr double kTwoPi = 6.283185307179586;

std::size_t monsters(double seconden) {
    return static_cast<std::size_t>(std::lround(seconden * kSampleRate));
}

// White noise through a one-pole low-pass: `helderheid` 0..1 (1 = unfiltered).
struct Ruis {
    std::mt19937 rng;
    std::uniform_real_distribution<float> d{-1.0f, 1.0f};
    float staat = 0;
    explicit Ruis(unsigned zaad) : rng(zaad) {}
    float volgende(float helderheid) {
        staat += helderheid * (d(rng) - staat);
        return staat;
    }
};

// Short fades at both ends so no sound starts or stops with a jump.
void randen(std::vector<float>& s, double in, double uit) {
    const std::size_t a = std::min(s.size(), monsters(in));
    const std::size_t b = std::min(s.size(), monsters(uit));
    for (std::size_t i = 0; i < a; ++i)
        s[i] *= static_cast<float>(i) / static_cast<float>(a);
    for (std::size_t i = 0; i < b; ++i)
        s[s.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(b);
}

// One tick of a ratchet: a damped resonance with a noisy attack.
void tik(std::vector<float>& s, double start, float sterkte, double toon, Ruis& ruis) {
    const std::size_t b = monsters(start);
    const std::size_t n = monsters(0.03);
    for (std::size_t i = 0; i < n && b + i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double romp = std::exp(-t / 0.004);
        const double klank =
            0.7 * std::sin(kTwoPi * toon * t) + 0.3 * std::sin(kTwoPi * toon * 2.7 * t);
        s[b + i] += sterkte * static_cast<float>(romp * klank +
                                                 std::exp(-t / 0.0012) * ruis.volgende(0.5) * 0.8);
    }
}

} // namespace

std::vector<float> klikGeluid() {
    std::vector<float> s(monsters(0.07));
    Ruis ruis(11);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double ping = std::exp(-t / 0.007) * (0.55 * std::sin(kTwoPi * 1900 * t) +
                                                    0.25 * std::sin(kTwoPi * 3150 * t));
        const double lijf = std::exp(-t / 0.016) * 0.35 * std::sin(kTwoPi * 520 * t);
        const double aanslag = std::exp(-t / 0.0015) * ruis.volgende(0.35);
        s[i] = static_cast<float>(ping + lijf + aanslag);
    }
    randen(s, 0.0005, 0.01);
    return s;
}

std::vector<float> startGeluid() {
    const double duur = 0.85;
    std::vector<float> s(monsters(duur));
    Ruis ruis(22);
    // A motor hum gliding up an octave and a half, with a few harmonics.
    double fase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double u = t / duur;
        const double f = 110.0 * std::pow(2.0, 1.6 * (1 - std::pow(1 - u, 2.0)));
        fase += kTwoPi * f / kSampleRate;
        const double toon = 0.5 * std::sin(fase) + 0.25 * std::sin(2 * fase) +
                            0.12 * std::sin(3 * fase) + 0.06 * std::sin(5 * fase);
        const double omhulsel = std::min(1.0, t / 0.12) * std::min(1.0, (duur - t) / 0.25);
        const double suis = ruis.volgende(static_cast<float>(0.05 + 0.3 * u)) * (0.2 + 0.5 * u);
        s[i] = static_cast<float>(omhulsel * (0.45 * toon + 0.35 * suis));
    }
    // The reels' ratchet, ticking faster and faster.
    Ruis tikRuis(23);
    double t = 0.02;
    double tussen = 0.09;
    while (t < duur - 0.12) {
        const float sterkte = static_cast<float>(0.35 + 0.35 * t / duur);
        tik(s, t, sterkte, 1300 + 500 * t / duur, tikRuis);
        t += tussen;
        tussen = std::max(0.024, tussen * 0.86);
    }
    randen(s, 0.002, 0.05);
    return s;
}

std::vector<float> stopGeluid() {
    std::vector<float> s(monsters(0.32));
    Ruis ruis(33);
    double fase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        // A thump whose pitch falls as the reel settles.
        const double f = 55 + 95 * std::exp(-t / 0.03);
        fase += kTwoPi * f / kSampleRate;
        const double dreun = std::exp(-t / 0.06) * std::sin(fase);
        // The latch: a metallic clank of inharmonic partials.
        const double klank = std::exp(-t / 0.045) *
                             (0.5 * std::sin(kTwoPi * 820 * t) + 0.3 * std::sin(kTwoPi * 1310 * t) +
                              0.2 * std::sin(kTwoPi * 2230 * t));
        const double slag = std::exp(-t / 0.008) * ruis.volgende(0.25);
        s[i] = static_cast<float>(0.9 * dreun + 0.35 * klank + 0.7 * slag);
    }
    // A small rebound of the latch.
    Ruis tikRuis(34);
    tik(s, 0.065, 0.3f, 900, tikRuis);
    randen(s, 0.0005, 0.04);
    return s;
}

void normaliseer(std::vector<float>& s) {
    if (s.empty())
        return;
    double kwadraten = 0;
    float piek = 0;
    for (float v : s) {
        kwadraten += static_cast<double>(v) * v;
        piek = std::max(piek, std::abs(v));
    }
    const double rms = std::sqrt(kwadraten / static_cast<double>(s.size()));
    if (piek <= 0 || rms <= 0)
        return;
    const double doelRms = std::pow(10.0, -16.0 / 20); // -16 dBFS
    const double maxPiek = std::pow(10.0, -3.0 / 20);  // -3 dBFS
    const double versterking = std::min(doelRms / rms, maxPiek / piek);
    for (float& v : s)
        v = static_cast<float>(v * versterking);
}

QByteArray wavBestand(const std::vector<float>& s) {
    const auto dataBytes = static_cast<quint32>(s.size() * 2);
    QByteArray uit;
    uit.reserve(static_cast<qsizetype>(44 + dataBytes));
    auto u32 = [&](quint32 v) {
        const quint32 le = qToLittleEndian(v);
        uit.append(reinterpret_cast<const char*>(&le), 4);
    };
    auto u16 = [&](quint16 v) {
        const quint16 le = qToLittleEndian(v);
        uit.append(reinterpret_cast<const char*>(&le), 2);
    };
    uit.append("RIFF", 4);
    u32(36 + dataBytes);
    uit.append("WAVE", 4);
    uit.append("fmt ", 4);
    u32(16); // chunk size
    u16(1);  // PCM
    u16(1);  // mono
    u32(kSampleRate);
    u32(kSampleRate * 2); // bytes per second
    u16(2);               // block align
    u16(16);              // bits per sample
    uit.append("data", 4);
    u32(dataBytes);
    for (float v : s) {
        const long w = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
        u16(static_cast<quint16>(static_cast<qint16>(std::clamp(w, -32767L, 32767L))));
    }
    return uit;
}

void maakGeluiden(const QString& map) {
    QDir().mkpath(map);
    const std::pair<const char*, std::vector<float>> geluiden[] = {
        {"klik.wav", klikGeluid()}, {"start.wav", startGeluid()}, {"stop.wav", stopGeluid()}};
    for (auto [naam, s] : geluiden) {
        normaliseer(s);
        QFile f(map + "/" + naam);
        if (!f.open(QIODevice::WriteOnly) || f.write(wavBestand(s)) < 0) {
            std::fprintf(stderr, "quintaro_assetgen: cannot write %s\n", qPrintable(f.fileName()));
            std::exit(1);
        }
    }
}
