#pragma once
// The bowler's footfalls, in step with the run-up's pictures.

#include <array>
#include <cstdint>
#include <vector>

// The run-up's ticks (1 to 60, counted from the tick after the run-up starts)
// at which one of the bowler's feet lands, read from his run-up frame table:
// run-up tick k shows tile runUpFrames[k]. Ticks come out in increasing order.
std::vector<int> FootstepTicks(const std::array<std::int16_t, 62>& runUpFrames);
