#pragma once
class Game;
struct MatchState;

// Both teams back to 0 for 0, the first innings at 0.0 overs.
void ResetScore(MatchState& s);

// Counts the finished ball's outcome for the batting side; may end the innings.
void ScoreBall(Game& g);
// Closes the innings: the break after the first, the result after the second.
void EndInnings(Game& g);
