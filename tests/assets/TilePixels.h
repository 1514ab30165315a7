#pragma once
// Reading the committed bitmaps tile by tile, and asking which pixels of a
// sprite the display would draw (everything but magenta).

#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

namespace assets_test {

QString AssetPath(const char* name);
// The committed picture (24-bit BMP read as RGB32); a null image if missing.
QImage LoadAsset(const char* name);
QImage TileOf(const QImage& sheet, int tileWidth, int tileHeight, int tile);
bool Drawn(const QImage& tile, int x, int y);  // false outside the tile
int DrawnCount(const QImage& tile);
// Screen points a sprite covers when its tile is drawn at `at`.
std::vector<QPoint> CoveredPoints(const QImage& tile, QPoint at);
// Whether two sprites drawn at their corners cover a common screen pixel.
bool Overlap(const QImage& a, QPoint atA, const QImage& b, QPoint atB);
// Centre of the pixels for which `pick` is true, in tile coordinates.
template <typename Pick>
QPointF CentreOf(const QImage& tile, Pick pick) {
  double sx = 0, sy = 0;
  int n = 0;
  for (int y = 0; y < tile.height(); ++y) {
    for (int x = 0; x < tile.width(); ++x) {
      if (!pick(tile.pixel(x, y))) continue;
      sx += x;
      sy += y;
      ++n;
    }
  }
  return n ? QPointF(sx / n, sy / n) : QPointF(-1, -1);
}

}  // namespace assets_test
