#pragma once
// One small procedure per key. Held keys only set flags that the next tick
// turns into movement; the others act at once.

class Match;

void KeyCursorLeft(Match& g);
void KeyCursorRight(Match& g);
void KeyCursorUp(Match& g);
void KeyCursorDown(Match& g);
void KeyBatLeft(Match& g);
void KeyBatRight(Match& g);
void KeySlowBall(Match& g);
void KeyMediumBall(Match& g);
void KeyFastBall(Match& g);
void KeyBowl(Match& g);
void KeySpace(Match& g);
void KeyDefensive(Match& g);
void KeyDrive(Match& g);
void KeyGlance(Match& g);
void KeyHook(Match& g);
void KeyCut(Match& g);
