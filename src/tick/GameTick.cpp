#include "tick/GameTick.h"

#include "match/Game.h"

void GameTick(Game&) {}

void CallWide(MatchState&) {}
