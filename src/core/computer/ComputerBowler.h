#pragma once
class Match;

// The computer bowler's step in one run-up tick.
void CpuBowl(Match& g);
