#pragma once
class Match;

// The computer batsman's step in one tick (second innings of "Human V CPU").
void CpuBat(Match& g);
