#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// The three sounds of the program directory, synthesised: 16-bit PCM, mono, 44100 Hz.

constexpr int kSampleRate = 44100;

std::vector<float> klikGeluid();  // a soft click, 0.07 s
std::vector<float> startGeluid(); // the rollers spinning up, 0.85 s
std::vector<float> stopGeluid();  // a mechanical clunk, 0.32 s

// Scales to a common loudness (RMS) without letting the peak pass -3 dBFS.
void normaliseer(std::vector<float>& s);

// A complete WAV file: RIFF header, fmt chunk (PCM, mono, 16 bit), data chunk.
QByteArray wavBestand(const std::vector<float>& s);

// Writes klik.wav, start.wav and stop.wav into `map`.
void maakGeluiden(const QString& map);
