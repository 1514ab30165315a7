#include "painter/ContactSheet.h"

#include <QPainter>
#include <algorithm>

#include "painter/Assets.h"
#include "painter/Sprite.h"

namespace paint {
namespace {

constexpr int kGap = 6;
constexpr int kLabel = 14;
constexpr int kSheetWidth = 2600;
const QColor kBackdrop(40, 44, 52);
const QColor kGrass(104, 160, 70);

// The tile as it shows in the game: magenta left undrawn, here over grass.
QImage OnGrass(const QImage& tile) {
  QImage out = tile.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      if (line[x] == (Magenta | 0xFF000000u)) line[x] = kGrass.rgb();
    }
  }
  return out;
}

// Small tiles are shown enlarged, pixel for pixel.
int Zoom(const AssetFile& f) {
  return std::max(1, 128 / std::max(f.tileWidth, f.tileHeight));
}

int SectionHeight(const AssetFile& f) {
  const int w = f.tileWidth * Zoom(f), h = f.tileHeight * Zoom(f);
  const int perRow = std::max(1, kSheetWidth / (w + kGap));
  const int rows = (f.tilesDrawn + perRow - 1) / perRow;
  return kLabel + rows * (h + kLabel + kGap);
}

int PaintSection(QPainter& p, const AssetFile& f, int top) {
  const QImage picture = f.paint();
  const int columns = picture.width() / f.tileWidth;
  const int w = f.tileWidth * Zoom(f), h = f.tileHeight * Zoom(f);
  const int perRow = std::max(1, kSheetWidth / (w + kGap));
  p.setPen(Qt::white);
  p.drawText(kGap, top + kLabel - 3, QString::fromLatin1(f.name));
  for (int tile = 0; tile < f.tilesDrawn; ++tile) {
    const QRect from((tile % columns) * f.tileWidth, (tile / columns) * f.tileHeight, f.tileWidth,
                     f.tileHeight);
    const int x = kGap + (tile % perRow) * (w + kGap);
    const int y = top + kLabel + (tile / perRow) * (h + kLabel + kGap);
    p.drawText(x, y + kLabel - 3, QString::number(tile));
    p.drawImage(x, y + kLabel, OnGrass(picture.copy(from)).scaled(w, h));
  }
  return top + SectionHeight(f);
}

}  // namespace

QImage ContactSheet() {
  int height = kGap;
  for (const AssetFile& f : AssetFiles()) height += SectionHeight(f) + kGap;
  QImage sheet(kSheetWidth + kGap, height, QImage::Format_RGB32);
  sheet.fill(kBackdrop);
  QPainter p(&sheet);
  int top = kGap;
  for (const AssetFile& f : AssetFiles()) top = PaintSection(p, f, top) + kGap;
  return sheet;
}

}  // namespace paint
