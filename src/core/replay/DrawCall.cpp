#include "core/replay/DrawCall.h"

void DrawCall::DrawOn(DisplaySurface& display) const {
  switch (kind) {
    case Kind::Map:
      display.DrawMap(*tileSet, *map);
      break;
    case Kind::Tile:
      display.DrawTile(*tileSet, tile, x, y);
      break;
    case Kind::Text:
      display.DrawText(text, x, y);
      break;
  }
}
