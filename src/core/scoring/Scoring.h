#pragma once
class Match;
struct MatchState;

// Both teams back to 0 for 0, the first innings at 0.0 overs.
void ResetScore(MatchState& s);

// Counts the finished ball's outcome for the batting side; may end the innings.
void ScoreBall(Match& g);
