#pragma once
class Match;

// Judges an accepted shot: danger from the ball's line and length, the margin
// against TimingLine, the outcome text and the velocity off the bat.
void ResolveShot(Match& g);
