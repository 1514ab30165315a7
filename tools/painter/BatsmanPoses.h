#pragma once
// The batsman's 38 tiles, one pose each, in the order the frame tables use
// them: 0 the stance; 1 to 5 the pick-up of the bat; 6 to 10 the drive, whose
// first three are the whole forward defensive push; 11 to 16 the leg glance;
// 17 to 24 the hook; 25 to 36 the square cut; 37 the recovery after a hook or a
// cut. The figure faces the off side (left on the screen), a right-hander seen
// from the bowler's end.

#include "painter/Pose.h"

namespace paint {

inline constexpr int BatsmanTiles = 38;

Pose BatsmanPose(int tile);

}  // namespace paint
