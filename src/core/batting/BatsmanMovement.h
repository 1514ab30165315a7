#pragma once
struct MatchState;

// Slides the batsman along the crease while Z or X is held.
void MoveBatsman(MatchState& s);
