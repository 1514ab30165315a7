#pragma once
class Match;
struct MatchState;

// Bowler, batsman's picture and ball back at their starting marks.
void ResetPositions(MatchState& s);
// Puts the per-ball state back for the next delivery.
void NewBall(Match& g);
