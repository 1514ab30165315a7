#pragma once
// The sprite-and-tile display the match is drawn on, as the game sees it: a
// 640 x 480 surface, tile sets cut from pictures, a background map, and the
// keyboard and tile-set-lost events. The Qt widget implements it for play; a
// recording fake implements it for tests and the replay driver.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/model/Int16.h"

// A bitmap loaded from a file; only its owner (the display) looks inside.
class Picture {
 public:
  virtual ~Picture() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual std::string FileName() const = 0;  // as it was asked for, e.g. "all.BMP"
};

// A picture cut into equal tiles, numbered from 0 in reading order.
class TileSet {
 public:
  virtual ~TileSet() = default;
  virtual void Restore() = 0;                              // makes a lost surface usable
  virtual void ReloadPicture(const Picture& picture) = 0;  // at (0, 0)
};

// A grid of tile numbers for the background; the game's one map is 1 x 1.
class Map {
 public:
  virtual ~Map() = default;
  virtual void SetSize(int columns, int rows);
  virtual void SetTile(int column, int row, std::uint8_t tile);
  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  std::uint8_t Tile(int column, int row) const;

 private:
  int columns_ = 0;
  int rows_ = 0;
  std::vector<std::uint8_t> tiles_;
};

// Who hears the display's events: the game.
class DisplayEvents {
 public:
  virtual ~DisplayEvents() = default;
  virtual void Display_KeyDown(i16 keyCode, i16 shift) = 0;
  virtual void Display_KeyUp(i16 keyCode, i16 shift) = 0;
  virtual void Display_TileSetLost(i16 index) = 0;
};

using TileSetRef = std::shared_ptr<TileSet>;

class DisplaySurface {
 public:
  virtual ~DisplaySurface() = default;
  virtual void OpenDisplay() = 0;
  virtual void CloseDisplay() = 0;
  virtual void DrawText(const std::string& text, i16 x, i16 y) = 0;
  virtual void ShowFrame() = 0;
  virtual TileSetRef CreateTileSet(const Picture& picture, int tileWidth, int tileHeight) = 0;
  // The tile-set collection, in the order the sets were made; Item(index) of it.
  virtual const std::vector<TileSetRef>& GetTileSets() const = 0;
  virtual std::shared_ptr<Map> CreateMap() = 0;
  // The whole map over 640 x 480 from (0, 0), opaque.
  virtual void DrawMap(const TileSet& tileSet, const Map& map) = 0;
  // One sprite, top-left at (x, y), clipped to 640 x 480, magenta left undrawn.
  virtual void DrawTile(const TileSet& tileSet, std::uint8_t tile, i16 x, i16 y) = 0;
};
