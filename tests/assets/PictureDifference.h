#pragma once
// How far a repainted picture is from the committed one. Anti-aliased edges and
// floating point round a level up or down differently on another processor, so
// a repaint counts as the same picture when no channel of any pixel is more
// than kMostLevels off and only a small share of the pixels differ at all. A
// moved limb, a new colour or a shifted tile is far beyond either bound.

#include <QImage>
#include <ostream>

namespace assets_test {

inline constexpr int kMostLevels = 2;                 // of 255, in any one channel
inline constexpr double kMostShareDiffering = 0.005;  // of all pixels, by any amount

struct PictureDifference {
  bool sizeDiffers = false;
  int mostLevels = 0;         // the largest difference in one channel of one pixel
  double shareDiffering = 0;  // pixels differing in any channel, of all pixels

  // Within the rounding another processor may bring.
  bool Rounding() const {
    return !sizeDiffers && mostLevels <= kMostLevels && shareDiffering <= kMostShareDiffering;
  }
};

PictureDifference Compare(const QImage& a, const QImage& b);

std::ostream& operator<<(std::ostream& out, const PictureDifference& d);

}  // namespace assets_test
