#include "painter/Bmp.h"

#include <QFile>
#include <cstdint>

namespace paint {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void PutU16(QByteArray& out, std::uint16_t v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>((v >> 8) & 0xFF));
}

void PutU32(QByteArray& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.append(static_cast<char>((v >> shift) & 0xFF));
}

void PutHeaders(QByteArray& out, int width, int height, std::uint32_t pixelBytes) {
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
  out.append("BM", 2);
  PutU32(out, offset + pixelBytes);
  PutU32(out, 0);  // reserved
  PutU32(out, offset);
  PutU32(out, kInfoHeaderSize);
  PutU32(out, static_cast<std::uint32_t>(width));
  PutU32(out, static_cast<std::uint32_t>(height));  // positive: rows stored bottom-up
  PutU16(out, 1);                                   // planes
  PutU16(out, 24);                                  // bits per pixel
  PutU32(out, 0);                                   // no compression
  PutU32(out, pixelBytes);
  PutU32(out, kPixelsPerMetre);
  PutU32(out, kPixelsPerMetre);
  PutU32(out, 0);  // colours used
  PutU32(out, 0);  // important colours
}

}  // namespace

QByteArray EncodeBmp24(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const int width = rgb.width();
  const int height = rgb.height();
  const int rowBytes = (width * 3 + 3) & ~3;
  const auto pixelBytes = static_cast<std::uint32_t>(rowBytes * height);
  QByteArray out;
  out.reserve(static_cast<qsizetype>(kFileHeaderSize + kInfoHeaderSize + pixelBytes));
  PutHeaders(out, width, height, pixelBytes);
  for (int y = height - 1; y >= 0; --y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      out.append(static_cast<char>(qBlue(line[x])));
      out.append(static_cast<char>(qGreen(line[x])));
      out.append(static_cast<char>(qRed(line[x])));
    }
    for (int pad = width * 3; pad < rowBytes; ++pad) out.append('\0');
  }
  return out;
}

bool WriteBmp24(const QImage& image, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const QByteArray bytes = EncodeBmp24(image);
  return file.write(bytes) == bytes.size();
}

}  // namespace paint
