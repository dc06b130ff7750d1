#include "ui/soundwaves.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr int kRate = 22050; // samples a second

enum class Wave { Sine, Square, Noise };

// One note: its pitch in Hz at the start and at the end (a glide between),
// its length in ms, its waveform and its loudness (0..1); it fades out.
struct Note {
    double from, to;
    int ms;
    Wave wave;
    double loudness;
};

// Layout: the notes of each Sound, by the enum's order, played one after
// another; a note of 0 ms ends a sound early.
constexpr std::array<std::array<Note, 4>, kSoundCount> kNotes = {{
    {{{880, 660, 45, Wave::Sine, 0.6}}},  // Place: a short tock
    {{{520, 440, 60, Wave::Sine, 0.45}}}, // Move: a softer slide
    {{{523, 523, 80, Wave::Sine, 0.5},    // Mill: three notes rising
      {659, 659, 80, Wave::Sine, 0.5},
      {784, 784, 120, Wave::Sine, 0.5}}},
    {{{0, 0, 50, Wave::Noise, 0.35}, {300, 150, 110, Wave::Sine, 0.6}}}, // Capture: a snap
    {{{523, 523, 110, Wave::Sine, 0.5},                                  // Won: a major arpeggio
      {659, 659, 110, Wave::Sine, 0.5},
      {784, 784, 110, Wave::Sine, 0.5},
      {1047, 1047, 260, Wave::Sine, 0.5}}},
    {{{392, 392, 180, Wave::Sine, 0.5}, {262, 262, 320, Wave::Sine, 0.5}}}, // LostOrDrawn
    {{{180, 180, 90, Wave::Square, 0.2}}},                                  // Illegal: a low buzz
}};

void PutLittleEndian(QByteArray& bytes, quint32 value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

int SoundLength(Sound sound) {
    int ms = 0;
    for (const Note& note : kNotes[static_cast<int>(sound)]) ms += note.ms;
    return ms;
}

QByteArray SoundWave(Sound sound) {
    QByteArray samples;
    quint32 noise = 0x2545F491; // the same noise every time
    for (const Note& note : kNotes[static_cast<int>(sound)]) {
        const int count = note.ms * kRate / 1000;
        double phase = 0;
        for (int i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / count;
            const double pitch = note.from + (note.to - note.from) * t;
            phase += 2 * std::numbers::pi * pitch / kRate;
            double value = 0;
            switch (note.wave) {
            case Wave::Sine:
                value = std::sin(phase);
                break;
            case Wave::Square:
                value = std::sin(phase) >= 0 ? 1 : -1;
                break;
            case Wave::Noise:
                noise ^= noise << 13;
                noise ^= noise >> 17;
                noise ^= noise << 5;
                value = static_cast<double>(noise) / 0x7FFFFFFF - 1;
                break;
            }
            // A few ms to rise, then a fade to silence: no clicks.
            const double rise = std::min(1.0, i / (0.004 * kRate));
            const double envelope = rise * (1 - t) * (1 - t);
            const auto sample = static_cast<qint16>(value * envelope * note.loudness * 32767);
            PutLittleEndian(samples, static_cast<quint16>(sample), 2);
        }
    }
    QByteArray wav = "RIFF";
    PutLittleEndian(wav, 36 + samples.size(), 4);
    wav += "WAVEfmt ";
    PutLittleEndian(wav, 16, 4);        // the format chunk's size
    PutLittleEndian(wav, 1, 2);         // PCM
    PutLittleEndian(wav, 1, 2);         // mono
    PutLittleEndian(wav, kRate, 4);     // samples a second
    PutLittleEndian(wav, kRate * 2, 4); // bytes a second
    PutLittleEndian(wav, 2, 2);         // bytes a sample
    PutLittleEndian(wav, 16, 2);        // bits a sample
    wav += "data";
    PutLittleEndian(wav, samples.size(), 4);
    return wav + samples;
}
