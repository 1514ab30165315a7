#include "PictureDifference.h"

#include <algorithm>
#include <cstdlib>

namespace assets_test {
namespace {

int LevelsApart(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b))});
}

}  // namespace

PictureDifference Compare(const QImage& a, const QImage& b) {
  PictureDifference d;
  if (a.size() != b.size() || a.isNull()) {
    d.sizeDiffers = true;
    return d;
  }
  const QImage left = a.convertToFormat(QImage::Format_RGB32);
  const QImage right = b.convertToFormat(QImage::Format_RGB32);
  long differing = 0;
  for (int y = 0; y < left.height(); ++y) {
    const auto* rowA = reinterpret_cast<const QRgb*>(left.constScanLine(y));
    const auto* rowB = reinterpret_cast<const QRgb*>(right.constScanLine(y));
    for (int x = 0; x < left.width(); ++x) {
      const int levels = LevelsApart(rowA[x], rowB[x]);
      d.mostLevels = std::max(d.mostLevels, levels);
      differing += levels > 0 ? 1 : 0;
    }
  }
  d.shareDiffering =
      static_cast<double>(differing) / (static_cast<double>(left.width()) * left.height());
  return d;
}

std::ostream& operator<<(std::ostream& out, const PictureDifference& d) {
  if (d.sizeDiffers) return out << "the sizes differ";
  return out << "channels up to " << d.mostLevels << " levels apart, " << d.shareDiffering * 100
             << " % of the pixels differ";
}

}  // namespace assets_test
