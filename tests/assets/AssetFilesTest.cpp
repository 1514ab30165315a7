// The seven committed bitmaps: the painter paints these pictures, they hold
// whole tiles, every sprite sits on clean magenta, and the corners the score
// lines are written on stay dark and plain.

#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>
#include <cstring>

#include "PictureDifference.h"
#include "painter/Assets.h"
#include "painter/Bmp.h"
#include "painter/Sprite.h"

namespace {

using assets_test::Compare;
using assets_test::PictureDifference;

// The committed picture, read as RGB32; a null image if missing.
QImage LoadAsset(const char* name) {
  QImage image(QDir(QStringLiteral(GALLOWBY_ASSETS_DIR)).filePath(QString::fromLatin1(name)));
  return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

QImage TileOf(const QImage& sheet, int tileWidth, int tileHeight, int tile) {
  const int columns = sheet.width() / tileWidth;
  return sheet.copy((tile % columns) * tileWidth, (tile / columns) * tileHeight, tileWidth,
                    tileHeight);
}

// Whether the display draws this pixel of a sprite: all but the magenta.
bool Drawn(const QImage& tile, int x, int y) {
  return (tile.pixel(x, y) & 0xFFFFFFu) != (paint::Magenta & 0xFFFFFFu);
}

int DrawnCount(const QImage& tile) {
  int n = 0;
  for (int y = 0; y < tile.height(); ++y) {
    for (int x = 0; x < tile.width(); ++x) n += Drawn(tile, x, y) ? 1 : 0;
  }
  return n;
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
      magenta += Drawn(tile, x, y) ? 0 : 1;
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

}  // namespace
