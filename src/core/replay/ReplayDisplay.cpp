#include "core/replay/ReplayDisplay.h"

#include "core/replay/InstantReplay.h"

void ReplayDisplay::Draw(DrawCall call) {
  if (!replay_.Playing()) call.DrawOn(*inner_);
  live_.push_back(std::move(call));
}

void ReplayDisplay::DrawText(const std::string& text, i16 x, i16 y) {
  Draw({.kind = DrawCall::Kind::Text, .x = x, .y = y, .text = text});
}

void ReplayDisplay::DrawMap(const TileSet& tileSet, const Map& map) {
  Draw({.kind = DrawCall::Kind::Map, .tileSet = &tileSet, .map = &map});
}

void ReplayDisplay::DrawTile(const TileSet& tileSet, std::uint8_t tile, i16 x, i16 y) {
  Draw({.kind = DrawCall::Kind::Tile, .tileSet = &tileSet, .tile = tile, .x = x, .y = y});
}

void ReplayDisplay::ShowFrame() {
  const bool wasPlaying = replay_.Playing();
  if (const InstantReplay::Frame* frame = replay_.Advance()) {
    for (const DrawCall& call : frame->calls) call.DrawOn(*inner_);
    inner_->DrawText(InstantReplay::kMark, InstantReplay::kMarkX, InstantReplay::kMarkY);
  } else if (wasPlaying) {
    for (const DrawCall& call : live_) call.DrawOn(*inner_);  // the replay has just ended
  }
  inner_->ShowFrame();
  if (!wasPlaying) replay_.FrameShown(live_);
  live_.clear();
}
