#pragma once
class Match;

// Starts the run-up, or during it fixes the pitch spot from the bowling cursor.
void StartRunUpOrChooseSpot(Match& g);
