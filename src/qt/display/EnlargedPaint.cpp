#include "qt/display/EnlargedPaint.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// One row of pixels, each repeated `factor` times; two and three, the factors
// full screen gives, spelled out so the compiler writes whole words.
void WidenRow(const QRgb* from, QRgb* to, int count, int factor) {
  if (factor == 2 || factor == 3) {
    for (int x = 0; x < count; ++x) {
      const std::uint64_t pair = from[x] * 0x100000001ull;
      std::memcpy(to + factor * x, &pair, sizeof pair);
      if (factor == 3) to[3 * x + 2] = from[x];
    }
    return;
  }
  for (int x = 0; x < count; ++x) std::fill_n(to + x * factor, factor, from[x]);
}

// The backing image the painter writes to, and where its widget's (0, 0) is
// on it; null unless it is a plain 32-bit image at whole-pixel offsets.
QImage* BackingImage(QPainter& painter, QPoint& origin) {
  QPaintEngine* engine = painter.paintEngine();
  QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
  if (!device || device->devType() != QInternal::Image) return nullptr;
  auto* image = static_cast<QImage*>(device);
  const QImage::Format format = image->format();
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied)
    return nullptr;
  const QTransform place = painter.deviceTransform();
  if (place.type() > QTransform::TxTranslate || place.dx() != std::floor(place.dx()) ||
      place.dy() != std::floor(place.dy()))
    return nullptr;
  origin = QPoint(static_cast<int>(place.dx()), static_cast<int>(place.dy()));
  return image;
}

// The frame enlarged into `rect` of the image (in the image's pixels), where
// the enlarged frame's top-left corner is `corner`: each source row touched is
// widened once, then copied to each of its rows inside the rectangle.
void Enlarge(const QImage& frame, int factor, QImage& image, QPoint corner, const QRect& rect) {
  const int first = (rect.left() - corner.x()) / factor;
  const int last = (rect.right() - corner.x()) / factor;
  std::vector<QRgb> wide(static_cast<std::size_t>(last - first + 1) * factor);
  const int skip = rect.left() - corner.x() - first * factor;  // of the first square, cut off
  const std::size_t rowBytes = static_cast<std::size_t>(rect.width()) * sizeof(QRgb);
  int widened = -1;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    const int source = (y - corner.y()) / factor;
    if (source != widened) {
      const auto* from = reinterpret_cast<const QRgb*>(frame.constScanLine(source)) + first;
      WidenRow(from, wide.data(), last - first + 1, factor);
      widened = source;
    }
    std::memcpy(image.scanLine(y) + rect.left() * sizeof(QRgb), wide.data() + skip, rowBytes);
  }
}

}  // namespace

bool PaintEnlarged(QPainter& painter, const QImage& frame, const QRect& target, int factor,
                   const QRegion& region) {
  QPoint origin;
  QImage* image = BackingImage(painter, origin);
  if (!image) return false;
  for (const QRect& rect : region) {
    const QRect inside = (rect & target).translated(origin) & image->rect();
    if (!inside.isEmpty()) Enlarge(frame, factor, *image, origin + target.topLeft(), inside);
  }
  return true;
}
