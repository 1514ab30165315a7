#pragma once
class Match;

// One tick of the bowling cursor's momentum under the arrow keys; reseeds the generator.
void MoveBowlCursor(Match& g);
