#pragma once
// A bitmap loaded from disk, as the Qt display reads it; the loader may also
// hand over its sprite form (see KeyedSprites), made ahead of time.

#include <QImage>
#include <string>
#include <utility>

#include "core/ports/Display.h"

class QtPicture : public Picture {
 public:
  QtPicture(std::string fileName, QImage image, QImage sprites = {})
      : fileName_(std::move(fileName)), image_(std::move(image)), sprites_(std::move(sprites)) {}
  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  std::string FileName() const override { return fileName_; }
  const QImage& Image() const { return image_; }
  const QImage& Sprites() const { return sprites_; }  // null unless made ahead

 private:
  std::string fileName_;
  QImage image_;
  QImage sprites_;
};
