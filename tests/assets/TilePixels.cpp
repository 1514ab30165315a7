#include "TilePixels.h"

#include <QDir>

#include "painter/Sprite.h"

namespace assets_test {

QString AssetPath(const char* name) {
  return QDir(QStringLiteral(GALLOWBY_ASSETS_DIR)).filePath(QString::fromLatin1(name));
}

QImage LoadAsset(const char* name) {
  QImage image(AssetPath(name));
  return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

QImage TileOf(const QImage& sheet, int tileWidth, int tileHeight, int tile) {
  const int columns = sheet.width() / tileWidth;
  return sheet.copy((tile % columns) * tileWidth, (tile / columns) * tileHeight, tileWidth,
                    tileHeight);
}

bool Drawn(const QImage& tile, int x, int y) {
  if (x < 0 || y < 0 || x >= tile.width() || y >= tile.height()) return false;
  return (tile.pixel(x, y) & 0xFFFFFFu) != (paint::Magenta & 0xFFFFFFu);
}

int DrawnCount(const QImage& tile) {
  int n = 0;
  for (int y = 0; y < tile.height(); ++y) {
    for (int x = 0; x < tile.width(); ++x) n += Drawn(tile, x, y) ? 1 : 0;
  }
  return n;
}

std::vector<QPoint> CoveredPoints(const QImage& tile, QPoint at) {
  std::vector<QPoint> points;
  for (int y = 0; y < tile.height(); ++y) {
    for (int x = 0; x < tile.width(); ++x) {
      if (Drawn(tile, x, y)) points.push_back(at + QPoint(x, y));
    }
  }
  return points;
}

bool Overlap(const QImage& a, QPoint atA, const QImage& b, QPoint atB) {
  for (const QPoint& p : CoveredPoints(a, atA)) {
    const QPoint inB = p - atB;
    if (Drawn(b, inB.x(), inB.y())) return true;
  }
  return false;
}

}  // namespace assets_test
