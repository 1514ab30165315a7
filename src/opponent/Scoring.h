#pragma once
class Game;

// Counts the finished ball's outcome for the batting side; may end the innings.
void ScoreBall(Game& g);
// Closes the innings: the break after the first, the result after the second.
void EndInnings(Game& g);
