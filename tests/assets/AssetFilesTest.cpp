// The seven committed bitmaps: the painter paints these pictures, they are
// plain 24-bit bitmaps of whole tiles, every sprite sits on clean magenta, and
// the corners the score lines are written on stay dark and plain.

#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSet>
#include <algorithm>
#include <cstring>
#include <vector>

#include "PictureDifference.h"
#include "TilePixels.h"
#include "core/model/FieldGeometry.h"
#include "painter/Assets.h"
#include "painter/Bmp.h"
#include "painter/Bowler.h"
#include "painter/BowlerPoses.h"
#include "painter/Ground.h"
#include "painter/Sprite.h"

namespace {

using assets_test::AssetPath;
using assets_test::Compare;
using assets_test::DrawnCount;
using assets_test::LoadAsset;
using assets_test::PictureDifference;
using assets_test::TileOf;

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool IsBackground(const paint::AssetFile& f) {
  return std::strcmp(f.name, "all.bmp") == 0;
}

// Tiles the game never draws, left blank on purpose.
bool Unused(const paint::AssetFile& f, int tile) {
  return std::strcmp(f.name, "smallsp.bmp") == 0 && tile == 2;
}

// A pixel that is nearly, but not exactly, the transparent colour shows as a
// pink speck round a sprite.
bool NearMagenta(QRgb p) {
  return (p & 0xFFFFFFu) != 0xFF00FFu && qRed(p) >= 170 && qBlue(p) >= 170 && qGreen(p) <= 110;
}

double MagentaShareOfBorder(const QImage& tile) {
  int magenta = 0, all = 0;
  for (int y = 0; y < tile.height(); ++y) {
    for (int x = 0; x < tile.width(); ++x) {
      if (x != 0 && y != 0 && x != tile.width() - 1 && y != tile.height() - 1) continue;
      ++all;
      magenta += assets_test::Drawn(tile, x, y) ? 0 : 1;
    }
  }
  return static_cast<double>(magenta) / all;
}

// The picture as the painter would write it and the game load it.
QImage Repainted(const paint::AssetFile& f) {
  return QImage::fromData(paint::EncodeBmp24(f.paint()), "BMP")
      .convertToFormat(QImage::Format_RGB32);
}

// A painter changed without its pictures repainted is caught; the level of
// rounding another processor brings to anti-aliased edges is not.
TEST(AssetFiles, RepaintedPicturesAreTheCommittedOnesWithinRounding) {
  for (const paint::AssetFile& f : paint::AssetFiles()) {
    const QImage committed = LoadAsset(f.name);
    ASSERT_FALSE(committed.isNull()) << f.name << " is missing from assets/";
    const PictureDifference d = Compare(committed, Repainted(f));
    EXPECT_TRUE(d.Rounding()) << f.name << ": " << d << "; repaint with gallowby-paint assets";
  }
}

// The bowler's sheet with his bowling hand a few pixels wider at the release.
QImage BowlerWithOnePoseMoved() {
  return paint::PaintSheet(field::BowlerTileWidth, field::BowlerTileHeight,
                           paint::BowlerSheetColumns, paint::BowlerSheetRows, paint::BowlerTiles,
                           [](int tile) {
                             paint::Pose pose = paint::BowlerPose(tile);
                             if (tile == paint::ReleaseTile) pose.handR.x += 6;
                             return paint::PaintBowlerPose(pose);
                           });
}

QImage Recoloured(QImage image, QRgb from, QRgb to) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == from) image.setPixel(x, y, to);
  return image;
}

// The colour most of the sprites' pixels are painted in.
QRgb CommonestDrawn(const QImage& sheet) {
  QHash<QRgb, int> counts;
  for (int y = 0; y < sheet.height(); ++y)
    for (int x = 0; x < sheet.width(); ++x)
      if (assets_test::Drawn(sheet, x, y)) ++counts[sheet.pixel(x, y)];
  return std::max_element(counts.begin(), counts.end()).key();
}

QImage ALevelLighter(QImage image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      image.setPixel(x, y, qRgb(qRed(p), std::min(qGreen(p) + 1, 255), qBlue(p)));
    }
  return image;
}

// The first tile of a sheet drawn a pixel to the right of its place.
QImage FirstTileShifted(QImage sheet, int tileWidth, int tileHeight) {
  const QImage tile = sheet.copy(0, 0, tileWidth - 1, tileHeight);
  QPainter(&sheet).drawImage(1, 0, tile);
  return sheet;
}

TEST(AssetFiles, ARealChangeIsNotTakenForRounding) {
  const QImage bowler = LoadAsset("bowler.bmp");
  const QImage stumps = LoadAsset("stumps.bmp");
  const QImage ground = LoadAsset("all.bmp");
  const struct {
    const char* change;
    QImage committed, changed;
  } cases[] = {
      {"one pose moved", bowler, BowlerWithOnePoseMoved()},
      {"a new colour", bowler, Recoloured(bowler, CommonestDrawn(bowler), qRgb(200, 30, 30))},
      {"every colour a level off", ground, ALevelLighter(ground)},
      {"a tile shifted", stumps, FirstTileShifted(stumps, 64, 64)},
  };
  for (const auto& c : cases) {
    const PictureDifference d = Compare(c.committed, c.changed);
    EXPECT_FALSE(d.Rounding()) << c.change << ": " << d;
  }
}

TEST(AssetFiles, AreUncompressed24BitBitmaps) {
  for (const paint::AssetFile& f : paint::AssetFiles()) {
    const QByteArray bytes = ReadAll(AssetPath(f.name));
    ASSERT_GE(bytes.size(), 54) << f.name;
    EXPECT_EQ(bytes.left(2), QByteArray("BM")) << f.name;
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24) << f.name << " bits per pixel";
    EXPECT_EQ(bytes[30], 0) << f.name << " compression";
  }
}

TEST(AssetFiles, HoldWholeTilesAndEveryTileTheGameDraws) {
  for (const paint::AssetFile& f : paint::AssetFiles()) {
    const QImage image = LoadAsset(f.name);
    ASSERT_FALSE(image.isNull()) << f.name;
    EXPECT_EQ(image.width() % f.tileWidth, 0) << f.name;
    EXPECT_EQ(image.height() % f.tileHeight, 0) << f.name;
    const int tiles = (image.width() / f.tileWidth) * (image.height() / f.tileHeight);
    EXPECT_GE(tiles, f.tilesDrawn) << f.name;
  }
}

TEST(AssetFiles, EverySpriteTileIsDrawnOnCleanMagenta) {
  for (const paint::AssetFile& f : paint::AssetFiles()) {
    if (IsBackground(f)) continue;
    const QImage sheet = LoadAsset(f.name);
    ASSERT_FALSE(sheet.isNull()) << f.name;
    for (int t = 0; t < f.tilesDrawn; ++t) {
      const QImage tile = TileOf(sheet, f.tileWidth, f.tileHeight, t);
      if (Unused(f, t)) {
        EXPECT_EQ(DrawnCount(tile), 0) << f.name << " tile " << t << " should be blank";
        continue;
      }
      EXPECT_GT(DrawnCount(tile), f.tileWidth * f.tileHeight / 40) << f.name << " tile " << t;
      EXPECT_GE(MagentaShareOfBorder(tile), 0.7) << f.name << " tile " << t;
      int fringe = 0;
      for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) fringe += NearMagenta(tile.pixel(x, y)) ? 1 : 0;
      }
      EXPECT_EQ(fringe, 0) << f.name << " tile " << t << " has pinkish edge pixels";
    }
  }
}

// Each tile of an animation is its own picture: two the same would make the
// batsman or the bowler freeze for a tick.
TEST(AssetFiles, AnimationTilesAreAllDifferent) {
  for (const paint::AssetFile& f : paint::AssetFiles()) {
    if (IsBackground(f)) continue;
    const QImage sheet = LoadAsset(f.name);
    std::vector<QImage> seen;
    for (int t = 0; t < f.tilesDrawn; ++t) {
      if (Unused(f, t)) continue;
      const QImage tile = TileOf(sheet, f.tileWidth, f.tileHeight, t);
      for (size_t k = 0; k < seen.size(); ++k) {
        EXPECT_FALSE(tile == seen[k]) << f.name << " tile " << t << " repeats an earlier tile";
      }
      seen.push_back(tile);
    }
  }
}

bool ColumnClear(const QImage& tile, int x) {
  for (int y = 0; y < tile.height(); ++y) {
    if (assets_test::Drawn(tile, x, y)) return false;
  }
  return true;
}

bool RowClear(const QImage& tile, int y) {
  for (int x = 0; x < tile.width(); ++x) {
    if (assets_test::Drawn(tile, x, y)) return false;
  }
  return true;
}

// The players are whole inside their tiles: no foot, elbow or bat cut off
// at the sides or the bottom (a bat may reach the top of the batsman's tile).
TEST(AssetFiles, PlayersAreNotCutOffAtTheirTilesEdges) {
  for (const char* name : {"shots256.bmp", "bowler.bmp"}) {
    const paint::AssetFile* f = nullptr;
    for (const paint::AssetFile& file : paint::AssetFiles()) {
      if (std::strcmp(file.name, name) == 0) f = &file;
    }
    ASSERT_NE(f, nullptr);
    const QImage sheet = LoadAsset(name);
    for (int t = 0; t < f->tilesDrawn; ++t) {
      const QImage tile = TileOf(sheet, f->tileWidth, f->tileHeight, t);
      EXPECT_TRUE(ColumnClear(tile, 0)) << name << " tile " << t << " left edge";
      EXPECT_TRUE(ColumnClear(tile, tile.width() - 1)) << name << " tile " << t << " right edge";
      EXPECT_TRUE(RowClear(tile, tile.height() - 1)) << name << " tile " << t << " bottom edge";
    }
  }
}

struct Corner {
  int left, top, right, bottom;
};

// Where the shot line, the outcome line and the score lines are written.
constexpr Corner kScoreCorners[] = {{10, 10, 300, 36}, {540, 10, 636, 52}};

TEST(AssetFiles, ScoreCornersAreDarkAndPlainForWhiteText) {
  const QImage ground = LoadAsset("all.bmp");
  ASSERT_FALSE(ground.isNull());
  for (const Corner& c : kScoreCorners) {
    int brightest = 0, darkest = 255;
    for (int y = c.top; y < c.bottom; ++y) {
      for (int x = c.left; x < c.right; ++x) {
        const int grey = qGray(ground.pixel(x, y));
        brightest = std::max(brightest, grey);
        darkest = std::min(darkest, grey);
      }
    }
    EXPECT_LT(brightest, 70) << "corner at " << c.left << "," << c.top;
    EXPECT_LT(brightest - darkest, 20) << "corner at " << c.left << "," << c.top;
  }
}

TEST(AssetFiles, BackgroundIsAPaintedGroundNotABlank) {
  const QImage ground = LoadAsset("all.bmp");
  ASSERT_FALSE(ground.isNull());
  QSet<QRgb> colours;
  for (int y = 0; y < ground.height(); y += 3) {
    for (int x = 0; x < ground.width(); x += 3) colours.insert(ground.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 500);
}

}  // namespace
