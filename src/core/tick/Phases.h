#pragma once
// The three pictures of a delivery and the steps that advance it.

#include "core/model/Int16.h"
#include "core/ports/Display.h"

class Match;
struct MatchDisplay;

// Draws one sprite through the display, the tile number handed over as a byte.
void DrawSprite(const MatchDisplay& d, const TileSet& tileSet, long long tile, i16 x, i16 y);

// Waiting for the bowler: both sets of stumps and the batsman at his stance.
void DrawWaiting(const MatchDisplay& d);
// One run-up tick, or the release when the run-up is complete.
void RunUpStep(Match& g, const MatchDisplay& d);
// One flight tick: the ball moves, the crease is judged, the picture is drawn.
void FlightStep(Match& g, const MatchDisplay& d);
