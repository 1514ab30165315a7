// Begin's second step: the seven bitmaps become the match's tile sets.
#include <iterator>
#include <string>

#include "core/game/Game.h"
#include "core/model/Bitmaps.h"

namespace {

static_assert(std::size(kTileSetSlots) == kBitmaps.size());

int TilesIn(const Picture& picture, const Bitmap& bitmap) {
  return (picture.Width() / bitmap.tileWidth) * (picture.Height() / bitmap.tileHeight);
}

std::string TooSmall(const Bitmap& bitmap) {
  return "The bitmap " + std::string(bitmap.fileName) + " is too small: it must hold " +
         std::to_string(bitmap.tilesNeeded) + " tiles of " + std::to_string(bitmap.tileWidth) +
         " x " + std::to_string(bitmap.tileHeight) + " pixels.";
}

std::string CannotLoad(const Bitmap& bitmap, const RuntimeError& error) {
  const std::string name = bitmap.fileName;
  if (error.Number() == kErrFileNotFound)
    return "The bitmap " + name + " is missing from the game's folder.";
  return "The bitmap " + name + " is not a picture the game can read (" + error.Description() +
         ").";
}

}  // namespace

// Loads every bitmap into its tile set; on a missing, unreadable or too small
// file, tells the player which one and returns false.
bool Game::LoadTileSets() {
  for (std::size_t i = 0; i < kBitmaps.size(); ++i) {
    const Bitmap& bitmap = kBitmaps[i];
    std::unique_ptr<Picture> picture;
    try {
      picture = P.pictures->LoadPicture(bitmap.fileName);
    } catch (const RuntimeError& error) {
      P.forms->MessageBox(CannotLoad(bitmap, error));
      return false;
    }
    if (TilesIn(*picture, bitmap) < bitmap.tilesNeeded) {
      P.forms->MessageBox(TooSmall(bitmap));
      return false;
    }
    D.*kTileSetSlots[i].slot =
        D.Display->CreateTileSet(*picture, bitmap.tileWidth, bitmap.tileHeight);
  }
  return true;
}
