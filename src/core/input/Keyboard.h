#pragma once
#include "core/input/KeyCodes.h"
#include "core/model/Int16.h"
class Match;
struct MatchState;

// A key pressed or released on the display, as its virtual-key code.

void KeyDown(Match& g, i16 keyCode);
void KeyUp(Match& g, i16 keyCode);

// Forgets the held bowling arrows, whose key-ups may never come (a new match,
// a lost surface); ReleaseHeldKeys forgets the batsman's Z and X too.
void ReleaseArrowKeys(MatchState& s);
void ReleaseHeldKeys(MatchState& s);
