#pragma once
// The lines the commentary reads off where the match stands: what to do now,
// the player's side, and the state of the match.

#include <string>

#include "core/commentary/PlaySituation.h"

namespace commentary {

// What the side that must act does next, named by its keys.
std::string WhatNowLine(const PlaySituation& now, bool matchOver);

// Against the computer, which side the player has in this innings ("You bat:
// Team1"); nothing in "Human V Human", where both sides are played.
std::string SideLine(const PlaySituation& now);

// The run rate in the first innings, the target at the break, the chase in the
// second innings, and the result once the match is over.
std::string MatchLine(const PlaySituation& now, bool matchOver);

}  // namespace commentary
