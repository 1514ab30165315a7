#pragma once
class Match;

// Everything in its place for a new match: the bowling cursor in the middle of
// its area, bowler, batsman and ball at their marks, the first innings, no key
// held; "Easy" and "Simulation" bowling give the cursor a gentle push of 1.
void PlaceStartingMarks(Match& m);
