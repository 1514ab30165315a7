#include "QtMatch.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>

namespace fuzz {

QByteArray BmpOf(int width, int height) {
  QImage image(width, height, QImage::Format_Indexed8);
  image.setColorTable({qRgb(30, 120, 40), qRgb(255, 0, 255), qRgb(240, 240, 230)});
  image.fill(0);
  for (int y = 0; y < height; y += 7) image.setPixel(0, y, 2);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes;
}

QByteArray GoodBitmap(const BitmapFile& bitmap) {
  return BmpOf(bitmap.tileWidth, bitmap.tileHeight * bitmap.tilesNeeded);
}

BitmapFolder::BitmapFolder() {
  for (const BitmapFile& bitmap : kBitmaps) Restore(bitmap);
}

void BitmapFolder::Write(const BitmapFile& bitmap, const QByteArray& bytes) const {
  QFile file(FileOf(bitmap));
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  file.write(bytes);
}

void BitmapFolder::Remove(const BitmapFile& bitmap) const {
  QFile::remove(FileOf(bitmap));
}

QtMatch::QtMatch(const QString& folder) : GameOn(folder), other(new QLineEdit(&window)) {
  window.resize(800, 600);
  other->move(0, 540);
  forms.displayFactory = [this](DisplayEvents& events) {
    auto* display = new DisplayWidget(events, &window);
    display_ = display;
    return std::shared_ptr<DisplaySurface>(display);
  };
  window.show();
  window.activateWindow();
  QApplication::processEvents();
}

std::string QtMatch::HeldFlags() const {
  const MatchState& s = game.S;
  const std::pair<const char*, bool> flags[] = {
      {"LeftHeld", s.LeftHeld}, {"RightHeld", s.RightHeld},     {"UpHeld", s.UpHeld},
      {"DownHeld", s.DownHeld}, {"BatLeftHeld", s.BatLeftHeld}, {"BatRightHeld", s.BatRightHeld}};
  std::string held;
  for (const auto& [name, set] : flags)
    if (set) held += (held.empty() ? "" : " ") + std::string(name);
  return held;
}

}  // namespace fuzz
