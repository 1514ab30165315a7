#pragma once
struct MatchState;

// "Simulation" bowling: the cursor runs down the pitch, steered sideways by Left/Right.
void SweepBowlCursor(MatchState& s);
