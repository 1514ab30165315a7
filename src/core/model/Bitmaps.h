#pragma once
// The seven pictures the game loads from its folder at every Begin, in the
// order it loads them: the tile size it cuts each into, and how many tiles it
// draws from it (the highest tile number it draws, plus one). The painter,
// the fakes and the tests all read this list.

#include <array>

struct Bitmap {
  const char* fileName;
  int tileWidth, tileHeight;
  int tilesNeeded;
};

// clang-format off
inline constexpr std::array<Bitmap, 7> kBitmaps{{
    // file            tile width  height  tiles
    {"all.bmp",        640,        480,    1},   // the ground, the background
    {"GAMESP.bmp",     64,         64,     3},   // the bowling cursor, one tile a pace
    {"smallsp.bmp",    16,         16,     4},   // batting marker, ball's shadow, -, pitch spot
    {"cball.bmp",      32,         32,     3},   // the spinning ball
    {"bowler.bmp",     151,        240,    39},  // run-up and follow-through
    {"stumps.bmp",     64,         64,     3},   // standing, then falling
    {"shots256.bmp",   320,        200,    38},  // the batsman's stance and shots
}};
// clang-format on

// Their places in the list.
enum class BitmapIndex { All, GameSp, SmallSp, CBall, Bowler, Stumps, Shots };

constexpr const Bitmap& BitmapAt(BitmapIndex index) {
  return kBitmaps[static_cast<std::size_t>(index)];
}
