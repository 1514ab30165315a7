#include "presentation/SpriteCanvas.h"

#include <QFont>

namespace {

// The score and information lines: white on the green field, with a dark
// shadow one pixel down and right so they stay legible over the pitch too.
constexpr QRgb kTextColour = qRgb(255, 255, 255);
constexpr QRgb kShadowColour = qRgb(16, 32, 16);
constexpr int kTextPixelSize = 12;
constexpr int kLineBox = 1000;  // wide and tall enough for any one line

QFont TextFont() {
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(kTextPixelSize);
  font.setBold(true);
  return font;
}

}  // namespace

SpriteCanvas::SpriteCanvas() : buffer_(display::kWidth, display::kHeight, QImage::Format_RGB32) {
  Clear();
}

SpriteCanvas::~SpriteCanvas() { EndPainting(); }

QPainter& SpriteCanvas::Painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&buffer_);
    painter_->setFont(TextFont());
  }
  return *painter_;
}

void SpriteCanvas::EndPainting() {
  if (painter_) painter_->end();
  painter_.reset();
}

void SpriteCanvas::Clear() {
  EndPainting();
  buffer_.fill(Qt::black);
}

void SpriteCanvas::DrawMap(const QtTileSet& tileSet, const Map& map) {
  QPainter& painter = Painter();
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  const QSize size = tileSet.TileSize();
  for (int row = 0; row < map.Rows(); ++row) {
    for (int column = 0; column < map.Columns(); ++column) {
      const auto source = tileSet.TileRect(map.Tile(column, row));
      if (!source) continue;
      painter.drawImage(QPoint(column * size.width(), row * size.height()), tileSet.Opaque(),
                        *source);
    }
  }
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void SpriteCanvas::DrawTile(const QtTileSet& tileSet, int tile, int x, int y) {
  const auto source = tileSet.TileRect(tile);
  if (!source) return;
  Painter().drawImage(QPoint(x, y), tileSet.Sprites(), *source);
}

void SpriteCanvas::DrawText(const std::string& text, int x, int y) {
  QPainter& painter = Painter();
  const QString line = QString::fromStdString(text);
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
  painter.setPen(QColor(kShadowColour));
  painter.drawText(QRect(x + 1, y + 1, kLineBox, kLineBox), flags, line);
  painter.setPen(QColor(kTextColour));
  painter.drawText(QRect(x, y, kLineBox, kLineBox), flags, line);
}

const QImage& SpriteCanvas::Finished() {
  EndPainting();
  return buffer_;
}
