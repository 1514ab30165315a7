#pragma once
// A display that draws nothing, for timing the game's own work: every call is
// accepted and forgotten. Tile sets and the map are real objects, so loading
// and map building behave as in play.

#include "core/ports/Display.h"

namespace bench {

class NullTileSet : public TileSet {
 public:
  void Restore() override {}
  void ReloadPicture(const Picture&) override {}
};

class NullDisplay : public DisplaySurface {
 public:
  void OpenDisplay() override {}
  void CloseDisplay() override {}
  void DrawText(const std::string&, i16, i16) override {}
  void ShowFrame() override {}
  TileSetRef CreateTileSet(const Picture&, int, int) override {
    tileSets_.push_back(std::make_shared<NullTileSet>());
    return tileSets_.back();
  }
  const std::vector<TileSetRef>& GetTileSets() const override { return tileSets_; }
  std::shared_ptr<Map> CreateMap() override { return std::make_shared<Map>(); }
  void DrawMap(const TileSet&, const Map&) override {}
  void DrawTile(const TileSet&, std::uint8_t, i16, i16) override {}

 private:
  std::vector<TileSetRef> tileSets_;
};

}  // namespace bench
