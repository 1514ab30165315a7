#pragma once
// A bitmap loaded from disk, as the Qt display reads it.

#include <QImage>
#include <string>
#include <utility>

#include "presentation/DisplayPort.h"

class QtPicture : public Picture {
 public:
  QtPicture(std::string fileName, QImage image)
      : fileName_(std::move(fileName)), image_(std::move(image)) {}
  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  std::string FileName() const override { return fileName_; }
  const QImage& Image() const { return image_; }

 private:
  std::string fileName_;
  QImage image_;
};
