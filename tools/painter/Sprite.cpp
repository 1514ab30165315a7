#include "painter/Sprite.h"

#include <QPainter>

namespace paint {

QImage NewCanvas(int width, int height) {
  QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  return canvas;
}

QImage KeyToMagenta(const QImage& canvas) {
  const QImage straight = canvas.convertToFormat(QImage::Format_ARGB32);
  QImage out(straight.size(), QImage::Format_RGB32);
  for (int y = 0; y < straight.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < straight.width(); ++x) {
      const QRgb p = in[x];
      line[x] = qAlpha(p) >= OpaqueFrom ? qRgb(qRed(p), qGreen(p), qBlue(p)) : Magenta;
    }
  }
  return out;
}

TileSheet::TileSheet(int tileWidth, int tileHeight, int columns, int rows)
    : tileWidth_(tileWidth),
      tileHeight_(tileHeight),
      columns_(columns),
      image_(tileWidth * columns, tileHeight * rows, QImage::Format_RGB32) {
  image_.fill(Magenta);
}

void TileSheet::Put(int tile, const QImage& hardened) {
  QPainter p(&image_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage((tile % columns_) * tileWidth_, (tile / columns_) * tileHeight_, hardened);
}

QImage PaintTile(int width, int height, Edges edges, const std::function<void(QPainter&)>& draw) {
  QImage canvas = NewCanvas(width, height);
  QPainter p(&canvas);
  if (edges == Edges::Smooth) p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  p.end();
  return KeyToMagenta(canvas);
}

QImage PaintSheet(int tileWidth, int tileHeight, int columns, int rows, int count,
                  const std::function<QImage(int)>& paintTile) {
  TileSheet sheet(tileWidth, tileHeight, columns, rows);
  for (int tile = 0; tile < count; ++tile) sheet.Put(tile, paintTile(tile));
  return sheet.Image();
}

}  // namespace paint
