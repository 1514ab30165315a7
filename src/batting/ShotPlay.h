#pragma once
class Game;

// Plays the shot in ShotKey if the ball is in the hitting window and no shot has
// been played at it: scores timing and line, then resolves the outcome.
void PlayShot(Game& g);
