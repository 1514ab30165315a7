#pragma once
// Stands in front of the match's display. Live, it passes every call on and
// hands each finished frame to the instant replay to keep; while a replay
// plays, the live calls are held back and each ShowFrame shows the replay's
// frame, marked, instead (or, once it is over, the live frame after all).

#include <memory>

#include "core/replay/DrawCall.h"

class InstantReplay;

class ReplayDisplay : public DisplaySurface {
 public:
  ReplayDisplay(std::shared_ptr<DisplaySurface> inner, InstantReplay& replay)
      : inner_(std::move(inner)), replay_(replay) {}

  void OpenDisplay() override { inner_->OpenDisplay(); }
  void CloseDisplay() override { inner_->CloseDisplay(); }
  void DrawText(const std::string& text, i16 x, i16 y) override;
  void ShowFrame() override;
  TileSetRef CreateTileSet(const Picture& picture, int tileWidth, int tileHeight) override {
    return inner_->CreateTileSet(picture, tileWidth, tileHeight);
  }
  const std::vector<TileSetRef>& GetTileSets() const override { return inner_->GetTileSets(); }
  std::shared_ptr<Map> CreateMap() override { return inner_->CreateMap(); }
  void DrawMap(const TileSet& tileSet, const Map& map) override;
  void DrawTile(const TileSet& tileSet, std::uint8_t tile, i16 x, i16 y) override;

 private:
  void Draw(DrawCall call);

  std::shared_ptr<DisplaySurface> inner_;
  InstantReplay& replay_;
  FrameCalls live_;  // the live frame being drawn
};
