#pragma once
// The seven pictures the game loads from its folder at every Begin, their
// tile sizes, and how many tiles of each the game draws.

#include <QImage>
#include <QString>
#include <array>

namespace paint {

struct AssetFile {
  const char* name;
  int tileWidth, tileHeight;
  int tilesDrawn;  // tiles 0 .. tilesDrawn-1 exist (some may be unused blanks)
  QImage (*paint)();
};

const std::array<AssetFile, 7>& AssetFiles();

// Paints all seven into the folder (which must exist). Returns an empty
// string, or what went wrong.
QString PaintAssets(const QString& folder);

}  // namespace paint
