#pragma once
// The files the game plays: RIFF WAVE, 16-bit PCM, mono.

#include <cstdint>
#include <string>
#include <vector>

#include "synth/Signal.h"

namespace synth {

// Rounds to 16 bits; anything past full scale is held at full scale.
std::vector<std::int16_t> ToPcm16(const Signal& signal);

// The whole file, header and samples, little-endian.
std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples, int sampleRate);

// Writes the bytes to a file; false if it could not.
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace synth
