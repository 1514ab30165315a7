#pragma once
// One thing the field's picture was drawn with, kept so the picture can be
// drawn again: the background map, a sprite tile, or a line of text.

#include <cstdint>
#include <string>
#include <vector>

#include "core/ports/Display.h"

struct DrawCall {
  enum class Kind { Map, Tile, Text };
  Kind kind = Kind::Tile;
  const TileSet* tileSet = nullptr;  // Map, Tile
  const Map* map = nullptr;          // Map
  std::uint8_t tile = 0;
  i16 x = 0, y = 0;
  std::string text{};  // Text

  void DrawOn(DisplaySurface& display) const;
};

using FrameCalls = std::vector<DrawCall>;
