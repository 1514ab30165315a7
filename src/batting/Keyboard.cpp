#include "batting/Keyboard.h"

#include "match/Game.h"

void KeyDown(Game&, i16) {}
void KeyUp(Game&, i16) {}
