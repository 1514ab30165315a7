#pragma once
class Match;
struct MatchState;

// One frame of the match: movement, the computer players, the delivery's phase,
// the whole picture back to front, the score lines, ShowFrame.
void GameTick(Match& g);
// At the end of a ball: a wide ball's outcome becomes "Wide".
void CallWide(MatchState& s);
