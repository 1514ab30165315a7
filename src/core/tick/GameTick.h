#pragma once
class Match;
struct MatchDisplay;
struct MatchState;

// One frame of the match: movement, the computer players, the delivery's phase,
// the whole picture back to front, the score lines, ShowFrame.
void GameTick(Match& g, const MatchDisplay& d);
// At the end of a ball: a wide ball's outcome becomes "Wide".
void CallWide(MatchState& s);
