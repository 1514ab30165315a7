#pragma once
// The laws the scorer counts by, for the game, its scorecard and its commentary.

namespace laws {
inline constexpr int kBallsPerOver = 6;  // counted balls: a wide is not one of them
inline constexpr int kAllOut = 10;       // the wicket that closes an innings
}  // namespace laws
