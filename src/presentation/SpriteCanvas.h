#pragma once
// The 640 x 480 back buffer a frame is drawn into: the background map opaque,
// sprites with their magenta left out, text lines on top. Everything is clipped
// to the playing area. Nothing here reaches the screen until the widget shows
// the finished frame.

#include <QImage>
#include <QPainter>
#include <memory>
#include <string>

#include "presentation/DisplayPort.h"
#include "presentation/QtTileSet.h"

class SpriteCanvas {
 public:
  SpriteCanvas();
  ~SpriteCanvas();

  void Clear();
  void DrawMap(const QtTileSet& tileSet, const Map& map);
  // A tile number the set does not have draws nothing.
  void DrawTile(const QtTileSet& tileSet, int tile, int x, int y);
  // One line of text with its top-left corner at (x, y).
  void DrawText(const std::string& text, int x, int y);

  // The finished frame; ends any drawing in progress.
  const QImage& Finished();

 private:
  QPainter& Painter();
  void EndPainting();

  QImage buffer_;
  std::unique_ptr<QPainter> painter_;  // open from the first draw of a frame to Finished()
};
