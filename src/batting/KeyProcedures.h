#pragma once
// One small procedure per key. Held keys only set flags that the next tick
// turns into movement; the others act at once.

class Game;

void KeyCursorLeft(Game& g);
void KeyCursorRight(Game& g);
void KeyCursorUp(Game& g);
void KeyCursorDown(Game& g);
void KeyBatLeft(Game& g);
void KeyBatRight(Game& g);
void KeySlowBall(Game& g);
void KeyMediumBall(Game& g);
void KeyFastBall(Game& g);
void KeyBowl(Game& g);
void KeySpace(Game& g);
void KeyDefensive(Game& g);
void KeyDrive(Game& g);
void KeyGlance(Game& g);
void KeyHook(Game& g);
void KeyCut(Game& g);
