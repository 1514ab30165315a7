#include "presentation/QtTileSet.h"

#include "presentation/QtPicture.h"

namespace {

// Magenta becomes alpha 0; every other pixel stays fully opaque.
QImage KeyedSprites(const QImage& opaque) {
  QImage sprites = opaque.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < sprites.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(sprites.scanLine(y));
    for (int x = 0; x < sprites.width(); ++x)
      if ((line[x] | 0xff000000u) == tiles::kTransparentKey) line[x] = 0;
  }
  return sprites;
}

}  // namespace

const QImage& ImageOf(const Picture& picture) {
  const auto* qtPicture = dynamic_cast<const QtPicture*>(&picture);
  if (!qtPicture || qtPicture->Image().isNull()) RaiseError(kErrInvalidPicture);
  return qtPicture->Image();
}

QtTileSet::QtTileSet(const QImage& picture, int tileWidth, int tileHeight)
    : tileWidth_(tileWidth), tileHeight_(tileHeight) {
  if (tileWidth <= 0 || tileHeight <= 0) RaiseError(kErrInvalidPicture);
  Cut(picture);
}

void QtTileSet::Cut(const QImage& picture) {
  source_ = picture;
  opaque_ = picture.convertToFormat(QImage::Format_RGB32);
  sprites_ = KeyedSprites(opaque_);
  columns_ = opaque_.width() / tileWidth_;
  rows_ = opaque_.height() / tileHeight_;
}

void QtTileSet::Restore() { Cut(source_); }

void QtTileSet::ReloadPicture(const Picture& picture) { Cut(ImageOf(picture)); }

std::optional<QRect> QtTileSet::TileRect(int tile) const {
  if (tile < 0 || tile >= TileCount()) return std::nullopt;
  return QRect((tile % columns_) * tileWidth_, (tile / columns_) * tileHeight_, tileWidth_,
               tileHeight_);
}
