#pragma once
// A sound as the synthesizer works on it: mono samples at the game's rate, in
// doubles, full scale at +-1.

#include <cstddef>
#include <vector>

namespace synth {

inline constexpr int kSampleRate = 22050;
inline constexpr double kPi = 3.14159265358979323846;

using Signal = std::vector<double>;

// How many samples last this long.
std::size_t Samples(double seconds);

// The time of sample i, in seconds.
double TimeOf(std::size_t i);

// Adds `from`, scaled by gain, into `into` from sample `at` on; what would run
// past the end of `into` is cut off.
void MixInto(Signal& into, const Signal& from, std::size_t at, double gain);

void Scale(Signal& signal, double gain);

// Multiplies sample by sample; the envelope must be at least as long.
void Shape(Signal& signal, const Signal& envelope);

}  // namespace synth
