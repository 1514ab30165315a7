#include "qt/display/SpriteCanvas.h"

#include <algorithm>
#include <utility>

#include "core/model/FieldGeometry.h"

namespace {

// The score and information lines: white on the green field, with a dark
// shadow one pixel down and right so they stay legible over the pitch too.
constexpr QRgb kTextColour = qRgb(255, 255, 255);
constexpr QRgb kShadowColour = qRgb(16, 32, 16);
constexpr int kTextPixelSize = 12;
constexpr int kLineBox = 1000;  // wide and tall enough for any one line
constexpr int kLineMargin = 8;  // room for the shadow and any glyph overhang
// The score changes every ball; a handful of lines is all a frame shows, so
// the kept lines are simply dropped when there are this many.
constexpr std::size_t kKeptLines = 64;

const QRect kArea(0, 0, field::ScreenWidth, field::ScreenHeight);

QFont TextFont() {
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(kTextPixelSize);
  font.setBold(true);
  return font;
}

// A line with its shadow on a transparent ground, its top-left corner at (0, 0).
QImage RenderLine(const QString& line, const QFont& font) {
  const QFontMetrics metrics(font);
  QImage image(metrics.horizontalAdvance(line) + kLineMargin, metrics.height() + kLineMargin,
               QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setFont(font);
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
  painter.setPen(QColor(kShadowColour));
  painter.drawText(QRect(1, 1, kLineBox, kLineBox), flags, line);
  painter.setPen(QColor(kTextColour));
  painter.drawText(QRect(0, 0, kLineBox, kLineBox), flags, line);
  return image;
}

}  // namespace

// Equal blits copy the same pixels to the same place: an image's cache key
// changes whenever its pixels could have.
bool SpriteCanvas::Blit::operator==(const Blit& other) const {
  return image.cacheKey() == other.image.cacheKey() && source == other.source && at == other.at &&
         opaque == other.opaque;
}

QRect SpriteCanvas::Blit::Area() const {
  return QRect(at, source.size()) & kArea;
}

SpriteCanvas::SpriteCanvas()
    : buffer_(field::ScreenWidth, field::ScreenHeight, QImage::Format_RGB32), font_(TextFont()) {
  Clear();
}

void SpriteCanvas::Clear() {
  blits_.clear();
  shown_.clear();
  buffer_.fill(Qt::black);
}

void SpriteCanvas::Add(const QImage& image, const QRect& source, QPoint at, bool opaque) {
  blits_.push_back({image, source, at, opaque});
}

void SpriteCanvas::DrawMap(const QtTileSet& tileSet, const Map& map) {
  const QSize size = tileSet.TileSize();
  for (int row = 0; row < map.Rows(); ++row) {
    for (int column = 0; column < map.Columns(); ++column) {
      const auto source = tileSet.TileRect(map.Tile(column, row));
      if (source)
        Add(tileSet.Opaque(), *source, QPoint(column * size.width(), row * size.height()), true);
    }
  }
}

void SpriteCanvas::DrawTile(const QtTileSet& tileSet, int tile, int x, int y) {
  const auto source = tileSet.TileRect(tile);
  if (source) Add(tileSet.Sprites(), *source, QPoint(x, y), false);
}

const QImage& SpriteCanvas::TextLine(const std::string& text) {
  const auto kept = textLines_.find(text);
  if (kept != textLines_.end()) return kept->second;
  if (textLines_.size() >= kKeptLines) textLines_.clear();
  return textLines_.emplace(text, RenderLine(QString::fromStdString(text), font_)).first->second;
}

void SpriteCanvas::DrawText(const std::string& text, int x, int y) {
  const QImage& line = TextLine(text);
  Add(line, line.rect(), QPoint(x, y), false);
}

// Whether the frame's opening opaque blits paint every pixel of the area, so
// nothing of the frames before it shows through.
bool SpriteCanvas::CoversArea(const std::vector<Blit>& frame) {
  QRegion covered;
  for (const Blit& blit : frame) {
    if (!blit.opaque) break;
    covered += blit.Area();
  }
  return (covered & kArea) == QRegion(kArea);
}

namespace {

// Adds `area` to `areas`, merged with any it overlaps, so a sprite that moved a
// little is redrawn once over where it was and where it is.
void Merge(std::vector<QRect>& areas, QRect area) {
  if (area.isEmpty()) return;
  for (auto it = areas.begin(); it != areas.end();) {
    if (it->intersects(area)) {
      area |= *it;
      areas.erase(it);
      it = areas.begin();
    } else {
      ++it;
    }
  }
  areas.push_back(area);
}

}  // namespace

// Where the frame differs from the last one. A pixel no differing blit touches
// is made by the same blits, in the same order, on the same background, in
// both frames.
std::vector<QRect> SpriteCanvas::Difference() const {
  if (!CoversArea(blits_) || !CoversArea(shown_)) return {kArea};
  std::vector<QRect> areas;
  const std::size_t count = std::max(blits_.size(), shown_.size());
  for (std::size_t i = 0; i < count; ++i) {
    const bool inBoth = i < blits_.size() && i < shown_.size();
    if (inBoth && blits_[i] == shown_[i]) continue;
    if (i < blits_.size()) Merge(areas, blits_[i].Area());
    if (i < shown_.size()) Merge(areas, shown_[i].Area());
  }
  return areas;
}

// Draws the whole frame again inside each area, from the background up; a
// frame with no background of its own is drawn over the last one.
void SpriteCanvas::Draw(const std::vector<QRect>& areas) {
  QPainter painter(&buffer_);
  for (const QRect& area : areas) {
    painter.setClipRect(area);
    for (const Blit& blit : blits_) {
      if (!blit.Area().intersects(area)) continue;
      painter.setCompositionMode(blit.opaque ? QPainter::CompositionMode_Source
                                             : QPainter::CompositionMode_SourceOver);
      painter.drawImage(blit.at, blit.image, blit.source);
    }
  }
}

const QImage& SpriteCanvas::Finished() {
  changedParts_ = Difference();
  changed_ = QRect();
  for (const QRect& area : changedParts_) changed_ |= area;
  if (!changedParts_.empty()) Draw(changedParts_);
  shown_ = std::move(blits_);
  blits_.clear();
  return buffer_;
}
