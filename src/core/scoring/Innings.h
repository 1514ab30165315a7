#pragma once
class Match;

// Closes the innings: the break after the first, the result after the second.
void EndInnings(Match& g);
