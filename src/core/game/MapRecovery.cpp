#include "core/game/MapRecovery.h"

#include "core/game/Game.h"
#include "core/input/Keyboard.h"

void CreateMap(MatchState& s) {
  s.TileMap = s.Display->CreateMap();
  s.TileMap->SetSize(1, 1);
  s.TileMap->SetTile(0, 0, int16::ToByte(0));
}

// The display lost a tile set's surface. Only the background is restored and
// reloaded; the other sets are left to the display. If the recovery fails, the
// arrow-key flags are cleared (their key-ups may have been lost too) and the
// match goes on.
void Game::Display_TileSetLost(i16 index) {
  if (!matchRunning_ || !S.Display) return;
  try {
    const auto& tileSets = S.Display->GetTileSets();
    if (index < 0 || static_cast<std::size_t>(index) >= tileSets.size()) RaiseError(kErrSubscript);
    const TileSetRef& lost = tileSets[static_cast<std::size_t>(index)];
    if (lost != S.TileSetAll) return;
    lost->Restore();
    const auto picture = P.pictures->LoadPicture("all.BMP");
    lost->ReloadPicture(*picture);
  } catch (const std::exception&) {
    ReleaseArrowKeys(S);
  }
}
