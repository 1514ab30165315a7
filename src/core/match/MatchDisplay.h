#pragma once
// The display a match is drawn on and what Begin makes on it: the seven tile
// sets cut from the bitmaps and the background map. Made anew at every Begin.
// The match state holds none of it, so only a procedure handed the display
// can draw: the tick and its drawing steps.

#include <memory>

#include "core/ports/Display.h"

struct MatchDisplay {
  std::shared_ptr<DisplaySurface> Display;
  TileSetRef TileSetAll;      // 640 x 480: the background
  TileSetRef TileSetGameSp;   // 64 x 64: the bowling cursor, tile = pace
  TileSetRef TileSetSmallSp;  // 16 x 16: 0 batting marker, 1 ball's ground point, 3 pitch spot
  TileSetRef TileSetCBall;    // 32 x 32: the spinning ball, tiles 0..2
  TileSetRef TileSetBowler;   // 151 x 240: the bowler
  TileSetRef TileSetStumps;   // 64 x 64: 0 standing, 1..2 falling
  TileSetRef TileSetShots;    // 320 x 200: the batsman
  std::shared_ptr<Map> TileMap;
};

// Where each of the seven bitmaps goes, in loading order (the order of
// kBitmaps), with the name the game gives it.
struct TileSetSlot {
  const char* name;
  TileSetRef MatchDisplay::*slot;
};
inline constexpr TileSetSlot kTileSetSlots[] = {
    {"TileSetAll", &MatchDisplay::TileSetAll},
    {"TileSetGameSp", &MatchDisplay::TileSetGameSp},
    {"TileSetSmallSp", &MatchDisplay::TileSetSmallSp},
    {"TileSetCBall", &MatchDisplay::TileSetCBall},
    {"TileSetBowler", &MatchDisplay::TileSetBowler},
    {"TileSetStumps", &MatchDisplay::TileSetStumps},
    {"TileSetShots", &MatchDisplay::TileSetShots},
};
