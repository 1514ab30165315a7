#pragma once
// How loud an effect is, and how to set it.
//
// Loudness here is a gated RMS: the sound is cut into 10 ms blocks, blocks
// more than 20 dB below the loudest block are left out (the silence before a
// hit and the tail after it), and the mean power of the blocks left is given
// in dB against full scale. A short crack and a long roar at the same gated
// RMS sound about as loud as each other, which a plain RMS over the whole file
// would not give.

#include "synth/Signal.h"

namespace synth {

inline constexpr double kBlockSeconds = 0.01;
inline constexpr double kGateBelowLoudestDb = 20.0;

double GatedLoudnessDb(const Signal& signal);
double PeakDb(const Signal& signal);

// Scales the signal to the given gated loudness.
void SetLoudness(Signal& signal, double db);

// The signal at the given gated loudness: for mixing parts at set levels.
Signal Leveled(Signal signal, double db);

// Rounds off peaks smoothly so none passes `ceilingDb`; quieter parts (below
// a knee 6 dB under the ceiling) are untouched.
void SoftLimit(Signal& signal, double ceilingDb);

double DbToGain(double db);
double GainToDb(double gain);

}  // namespace synth
