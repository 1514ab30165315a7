#pragma once
class Game;

// One tick of the bowling cursor's momentum under the arrow keys; reseeds the generator.
void MoveBowlCursor(Game& g);
