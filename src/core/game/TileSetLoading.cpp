// Begin's second step: the seven bitmaps become the match's tile sets.
#include <string>

#include "core/game/Game.h"

namespace {

struct Bitmap {
  const char* fileName;
  int tileWidth, tileHeight;
  int tilesNeeded;  // the highest tile number the game draws from it, plus one
  TileSetRef MatchState::*slot;
};

// In the order they are loaded.
constexpr Bitmap kBitmaps[] = {
    {"all.bmp", 640, 480, 1, &MatchState::TileSetAll},
    {"GAMESP.bmp", 64, 64, 3, &MatchState::TileSetGameSp},
    {"smallsp.bmp", 16, 16, 4, &MatchState::TileSetSmallSp},
    {"cball.bmp", 32, 32, 3, &MatchState::TileSetCBall},
    {"bowler.bmp", 151, 240, 39, &MatchState::TileSetBowler},
    {"stumps.bmp", 64, 64, 3, &MatchState::TileSetStumps},
    {"shots256.bmp", 320, 200, 38, &MatchState::TileSetShots},
};

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
  for (const Bitmap& bitmap : kBitmaps) {
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
    S.*bitmap.slot = S.Display->CreateTileSet(*picture, bitmap.tileWidth, bitmap.tileHeight);
  }
  return true;
}
