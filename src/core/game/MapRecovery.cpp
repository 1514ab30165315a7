#include "core/game/MapRecovery.h"

#include "core/game/Game.h"
#include "core/input/KeyCodes.h"
#include "core/input/Keyboard.h"

void CreateMap(MatchDisplay& d) {
  d.TileMap = d.Display->CreateMap();
  d.TileMap->SetSize(1, 1);
  d.TileMap->SetTile(0, 0, int16::ToByte(0));
}

// The display lost a tile set's surface. Only the background is restored and
// reloaded; the other sets are left to the display. If the recovery fails, the
// arrow-key flags are cleared (their key-ups may have been lost too) and the
// match goes on.
void Game::Display_TileSetLost(i16 index) {
  if (!matchRunning_ || !D.Display) return;
  if (inputs_) inputs_->OnTileSetLost(index);
  try {
    const auto& tileSets = D.Display->GetTileSets();
    if (index < 0 || static_cast<std::size_t>(index) >= tileSets.size()) RaiseError(kErrSubscript);
    const TileSetRef& lost = tileSets[static_cast<std::size_t>(index)];
    if (lost != D.TileSetAll) return;
    lost->Restore();
    const auto picture = P.pictures->LoadPicture("all.BMP");
    lost->ReloadPicture(*picture);
  } catch (const std::exception&) {
    LetGoOfArrowKeys();
  }
}

// In a match shared over the network the arrows' key-ups are this player's
// inputs like any other, played on both machines at the same tick (when this
// player bowls; the other machine's arrows are its own); alone, the flags are
// cleared at once.
void Game::LetGoOfArrowKeys() {
  if (!shared_) return ReleaseArrowKeys(S);
  for (const i16 arrow : {key::kLeft, key::kUp, key::kRight, key::kDown})
    shared_->TakeKey({false, arrow});
}
