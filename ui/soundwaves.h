// The game's sounds, made by the program itself from simple waveforms: each
// a few short notes, written as a WAV file (16-bit mono PCM) in memory.
#pragma once

#include <QByteArray>

enum class Sound { Place, Move, Mill, Capture, Won, LostOrDrawn, Illegal };
inline constexpr int kSoundCount = 7;

// The whole WAV file of `sound`.
QByteArray SoundWave(Sound sound);
// Its length in milliseconds.
int SoundLength(Sound sound);
