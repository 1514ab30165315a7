#pragma once
// The bowler's tiles, seen from behind as he runs up the screen to the crease:
// 1 to 24 three strides of the run-up that gather pace, 25 to 27 the bound,
// 28 to 32 the delivery stride with the bowling arm coming over, 33 the
// release, 34 to 38 the follow-through, off the pitch to his left, ending at
// rest, hands on hips, for the rest of the ball. Tile 0 (never drawn by the
// game) is him standing at the end of his mark.

#include "painter/Pose.h"

namespace paint {

inline constexpr int BowlerTiles = 39;
inline constexpr int RunCycleTiles = 8;  // one stride with each leg
inline constexpr int RunUpTilesLast = 24;
inline constexpr int ReleaseTile = 33;

Pose BowlerPose(int tile);

}  // namespace paint
