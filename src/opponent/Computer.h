#pragma once
class Game;

// The computer bowler's step in one run-up tick.
void CpuBowl(Game& g);
// The computer batsman's step in one tick (second innings of "Human V CPU").
void CpuBat(Game& g);
