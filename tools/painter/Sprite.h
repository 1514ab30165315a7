#pragma once
// Sprites are painted smoothly onto a transparent canvas, then hardened: every
// pixel at least half covered becomes fully opaque in its own colour, every
// other pixel exact magenta, the colour the display leaves undrawn. So no edge
// pixel blends towards magenta and shows as a pink fringe in the game.

#include <QImage>
#include <QRgb>
#include <functional>

class QPainter;

namespace paint {

inline constexpr QRgb Magenta = qRgb(255, 0, 255);
inline constexpr int OpaqueFrom = 128;  // alpha at which an edge pixel is kept

// A transparent canvas for one tile.
QImage NewCanvas(int width, int height);
// The hardened tile: opaque colours over exact magenta.
QImage KeyToMagenta(const QImage& canvas);

// A picture of equal tiles numbered in reading order, blank (magenta) until drawn.
class TileSheet {
 public:
  TileSheet(int tileWidth, int tileHeight, int columns, int rows);
  void Put(int tile, const QImage& hardened);
  const QImage& Image() const { return image_; }

 private:
  int tileWidth_, tileHeight_, columns_;
  QImage image_;
};

// One hardened tile of the given size: `draw` paints it on a transparent canvas,
// smoothly (antialiased) or with hard edges.
enum class Edges { Smooth, Hard };
QImage PaintTile(int width, int height, Edges edges, const std::function<void(QPainter&)>& draw);

// A sheet of `count` tiles over `columns` x `rows`, tile n painted by `paintTile(n)`.
QImage PaintSheet(int tileWidth, int tileHeight, int columns, int rows, int count,
                  const std::function<QImage(int)>& paintTile);

}  // namespace paint
