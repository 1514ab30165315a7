#pragma once
#include "match/MatchState.h"

// Slides the batsman along the crease while Z or X is held.
void MoveBatsman(MatchState& s);
// "Simulation" bowling: the cursor runs down the pitch, steered sideways by Left/Right.
void SweepBowlCursor(MatchState& s);
