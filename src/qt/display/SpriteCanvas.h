#pragma once
// The 640 x 480 back buffer a frame is drawn into: the background map opaque,
// sprites with their magenta left out, text lines on top. Everything is clipped
// to the playing area. Nothing here reaches the screen until the widget shows
// the finished frame.
//
// Sixty frames a second should cost next to nothing, so a frame is kept as the
// list of blits that make it and drawn into the buffer when it is finished,
// only where it differs from the frame before (nowhere, when nothing moved);
// Changed() tells the widget where that was, so only that part is repainted.
// Each text line is rendered once and then blitted.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/ports/Display.h"
#include "qt/display/QtTileSet.h"

class SpriteCanvas {
 public:
  SpriteCanvas();

  void Clear();
  void DrawMap(const QtTileSet& tileSet, const Map& map);
  // A tile number the set does not have draws nothing.
  void DrawTile(const QtTileSet& tileSet, int tile, int x, int y);
  // One line of text with its top-left corner at (x, y).
  void DrawText(const std::string& text, int x, int y);

  // The finished frame, with everything drawn since the last one.
  const QImage& Finished();
  // The last finished frame.
  const QImage& Shown() const { return buffer_; }
  // Where the last finished frame differs from the one before it: the parts,
  // and the one rectangle round them.
  const std::vector<QRect>& ChangedParts() const { return changedParts_; }
  const QRect& Changed() const { return changed_; }

 private:
  // One image, or a part of it, copied to the buffer: opaque, or blended so
  // that transparent pixels are left undrawn.
  struct Blit {
    QImage image;  // shares the tile set's or text line's pixels
    QRect source;
    QPoint at;
    bool opaque = false;
    bool operator==(const Blit& other) const;
    QRect Area() const;  // where it lands, clipped to the playing area
  };

  void Add(const QImage& image, const QRect& source, QPoint at, bool opaque);
  static bool CoversArea(const std::vector<Blit>& frame);
  std::vector<QRect> Difference() const;
  void Draw(const std::vector<QRect>& areas);

  const QImage& TextLine(const std::string& text);

  QImage buffer_;
  std::vector<Blit> blits_;  // the frame being made
  std::vector<Blit> shown_;  // the last frame finished
  std::vector<QRect> changedParts_;
  QRect changed_;
  QFont font_;
  std::unordered_map<std::string, QImage> textLines_;  // rendered lines, shadow included
};
