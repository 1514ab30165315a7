#pragma once

#include <memory>
#include <string>

#include "core/ports/Display.h"

// Loads a bitmap from the program's folder, finding the name without regard to
// letter case ("\all.BMP" finds all.bmp). Raises "File not found" or "Invalid picture".
class Pictures {
 public:
  virtual ~Pictures() = default;
  virtual std::unique_ptr<Picture> LoadPicture(const std::string& fileName) = 0;
};
