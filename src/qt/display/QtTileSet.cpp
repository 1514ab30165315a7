#include "qt/display/QtTileSet.h"

#include "qt/display/QtPicture.h"

// Magenta becomes alpha 0; every other pixel stays fully opaque. One pass
// straight from the opaque picture, so a large sheet costs one copy.
QImage KeyedSprites(const QImage& picture) {
  const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
  QImage sprites(opaque.size(), QImage::Format_ARGB32_Premultiplied);
  const int width = opaque.width();
  for (int y = 0; y < opaque.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(sprites.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const QRgb pixel = from[x] | 0xff000000u;
      to[x] = pixel == tiles::kTransparentKey ? 0 : pixel;
    }
  }
  return sprites;
}

const QImage& ImageOf(const Picture& picture) {
  const auto* qtPicture = dynamic_cast<const QtPicture*>(&picture);
  if (!qtPicture || qtPicture->Image().isNull()) RaiseError(kErrInvalidPicture);
  return qtPicture->Image();
}

const QImage& PreparedSpritesOf(const Picture& picture) {
  static const QImage kNone;
  const auto* qtPicture = dynamic_cast<const QtPicture*>(&picture);
  return qtPicture ? qtPicture->Sprites() : kNone;
}

QtTileSet::QtTileSet(const QImage& picture, int tileWidth, int tileHeight, const QImage& sprites)
    : tileWidth_(tileWidth), tileHeight_(tileHeight) {
  if (tileWidth <= 0 || tileHeight <= 0) RaiseError(kErrInvalidPicture);
  Cut(picture, sprites);
}

void QtTileSet::Cut(const QImage& picture, const QImage& sprites) {
  source_ = picture;
  opaque_ = picture.convertToFormat(QImage::Format_RGB32);
  const bool prepared =
      sprites.size() == opaque_.size() && sprites.format() == QImage::Format_ARGB32_Premultiplied;
  sprites_ = prepared ? sprites : KeyedSprites(opaque_);
  columns_ = opaque_.width() / tileWidth_;
  rows_ = opaque_.height() / tileHeight_;
}

void QtTileSet::Restore() {
  Cut(source_);
}

void QtTileSet::ReloadPicture(const Picture& picture) {
  Cut(ImageOf(picture), PreparedSpritesOf(picture));
}

std::optional<QRect> QtTileSet::TileRect(int tile) const {
  if (tile < 0 || tile >= TileCount()) return std::nullopt;
  return QRect((tile % columns_) * tileWidth_, (tile / columns_) * tileHeight_, tileWidth_,
               tileHeight_);
}
