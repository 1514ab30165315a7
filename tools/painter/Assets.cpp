#include "painter/Assets.h"

#include <QDir>

#include "core/model/Bitmaps.h"
#include "painter/Batsman.h"
#include "painter/BatsmanPoses.h"
#include "painter/Bmp.h"
#include "painter/Bowler.h"
#include "painter/BowlerPoses.h"
#include "painter/Cursor.h"
#include "painter/Geometry.h"
#include "painter/Ground.h"
#include "painter/Markers.h"
#include "painter/Stumps.h"

namespace paint {

namespace {

// Names and tile sizes come from the game's own list; the painter says how
// many tiles it paints, at least as many as the game draws.
AssetFile Asset(BitmapIndex index, int tilesPainted, QImage (*paint)()) {
  const Bitmap& bitmap = BitmapAt(index);
  return {bitmap.fileName, bitmap.tileWidth, bitmap.tileHeight, tilesPainted, paint};
}

static_assert(CursorTiles >= BitmapAt(BitmapIndex::GameSp).tilesNeeded);
static_assert(SmallTiles >= BitmapAt(BitmapIndex::SmallSp).tilesNeeded);
static_assert(BallTiles >= BitmapAt(BitmapIndex::CBall).tilesNeeded);
static_assert(BowlerTiles >= BitmapAt(BitmapIndex::Bowler).tilesNeeded);
static_assert(StumpsTiles >= BitmapAt(BitmapIndex::Stumps).tilesNeeded);
static_assert(BatsmanTiles >= BitmapAt(BitmapIndex::Shots).tilesNeeded);

}  // namespace

const std::array<AssetFile, 7>& AssetFiles() {
  static const std::array<AssetFile, 7> files = {{
      Asset(BitmapIndex::All, 1, PaintGround),
      Asset(BitmapIndex::GameSp, CursorTiles, PaintCursorSheet),
      Asset(BitmapIndex::SmallSp, SmallTiles, PaintSmallSheet),
      Asset(BitmapIndex::CBall, BallTiles, PaintBallSheet),
      Asset(BitmapIndex::Bowler, BowlerTiles, PaintBowlerSheet),
      Asset(BitmapIndex::Stumps, StumpsTiles, PaintStumpsSheet),
      Asset(BitmapIndex::Shots, BatsmanTiles, PaintBatsmanSheet),
  }};
  return files;
}

QString PaintAssets(const QString& folder) {
  const QDir dir(folder);
  if (!dir.exists()) return QStringLiteral("no such folder: %1").arg(folder);
  for (const AssetFile& file : AssetFiles()) {
    const QString path = dir.filePath(QString::fromLatin1(file.name));
    if (!WriteBmp24(file.paint(), path)) return QStringLiteral("cannot write %1").arg(path);
  }
  return {};
}

}  // namespace paint
