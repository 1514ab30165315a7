#pragma once
class Match;

// Plays the shot in ShotKey if the ball is in the hitting window and no shot has
// been played at it: scores timing and line, then resolves the outcome.
void PlayShot(Match& g);
