#include "painter/Assets.h"

#include <QDir>

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

const std::array<AssetFile, 7>& AssetFiles() {
  static const std::array<AssetFile, 7> files = {{
      {"all.bmp", game::ScreenWidth, game::ScreenHeight, 1, PaintGround},
      {"GAMESP.bmp", game::CursorTileSize, game::CursorTileSize, CursorTiles, PaintCursorSheet},
      {"smallsp.bmp", game::SmallTileSize, game::SmallTileSize, SmallTiles, PaintSmallSheet},
      {"cball.bmp", game::BallTileSize, game::BallTileSize, BallTiles, PaintBallSheet},
      {"bowler.bmp", game::BowlerTileWidth, game::BowlerTileHeight, BowlerTiles,
       PaintBowlerSheet},
      {"stumps.bmp", game::StumpsTileSize, game::StumpsTileSize, StumpsTiles, PaintStumpsSheet},
      {"shots256.bmp", game::BatsmanTileWidth, game::BatsmanTileHeight, BatsmanTiles,
       PaintBatsmanSheet},
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
