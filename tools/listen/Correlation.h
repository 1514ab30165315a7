#pragma once
// Cross-correlation by the fast Fourier transform: where in a stretch of
// recording a sound fits best, for sounds seconds long.

#include <cstddef>
#include <vector>

namespace listening {

// c[l] = sum over k of sound[k] * stretch[l + k], for every l at which the
// whole sound lies inside the stretch (stretch.size() - sound.size() + 1 lags).
std::vector<double> CrossCorrelate(const std::vector<float>& sound,
                                   const std::vector<float>& stretch);

}  // namespace listening
