#pragma once
// A picture cut into equal tiles, numbered from 0 in reading order: left to
// right along the top row, then the next row down. Leftover strips at the right
// and bottom edges that are narrower than a tile belong to no tile.
//
// The picture is kept twice, in the two formats Qt's raster engine draws
// fastest: opaque RGB32 for the background map, and premultiplied ARGB for
// sprites, where magenta (255, 0, 255) has become fully transparent.

#include <QImage>
#include <QRect>
#include <optional>

#include "core/ports/Display.h"

namespace tiles {
inline constexpr QRgb kTransparentKey = qRgb(255, 0, 255);
}

class QtTileSet : public TileSet {
 public:
  // `sprites`, when not null, is the picture already keyed (KeyedSprites),
  // made ahead of time so cutting costs nothing.
  QtTileSet(const QImage& picture, int tileWidth, int tileHeight, const QImage& sprites = {});

  void Restore() override;
  void ReloadPicture(const Picture& picture) override;

  int TileCount() const { return columns_ * rows_; }
  QSize TileSize() const { return {tileWidth_, tileHeight_}; }
  // Where tile `tile` lies in the picture; none for a number the set does not have.
  std::optional<QRect> TileRect(int tile) const;
  const QImage& Opaque() const { return opaque_; }
  const QImage& Sprites() const { return sprites_; }

 private:
  void Cut(const QImage& picture, const QImage& sprites = {});

  int tileWidth_, tileHeight_;
  int columns_ = 0, rows_ = 0;
  QImage source_;
  QImage opaque_;
  QImage sprites_;
};

// The picture behind a Picture the display was handed; raises "Invalid picture"
// for one that was not loaded by the Qt picture loader.
const QImage& ImageOf(const Picture& picture);
// Its keyed form, if the loader made it ahead of time; otherwise a null image.
const QImage& PreparedSpritesOf(const Picture& picture);

// A picture as sprites: premultiplied ARGB, magenta fully transparent, every
// other pixel fully opaque.
QImage KeyedSprites(const QImage& picture);
