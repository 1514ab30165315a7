#pragma once
// The display the match is played on: a 640 x 480 sprite-and-tile surface in a
// widget. The game draws a frame into the back buffer and shows it with
// ShowFrame; the widget paints the last shown frame, scaled up by the largest
// whole factor that fits and centred, with black around it. Key presses on the
// widget reach the game as virtual-key codes; keys the game has no code for
// (F11 among them) go on to the window.

#include <QImage>
#include <QWidget>
#include <set>
#include <vector>

#include "core/ports/Display.h"
#include "qt/display/SpriteCanvas.h"

class QtTileSet;

class DisplayWidget : public QWidget, public DisplaySurface {
  Q_OBJECT

 public:
  DisplayWidget(DisplayEvents& events, QWidget* parent = nullptr);

  void OpenDisplay() override;
  void CloseDisplay() override;
  void DrawText(const std::string& text, i16 x, i16 y) override;
  void ShowFrame() override;
  TileSetRef CreateTileSet(const Picture& picture, int tileWidth, int tileHeight) override;
  const std::vector<TileSetRef>& GetTileSets() const override { return tileSets_; }
  std::shared_ptr<Map> CreateMap() override;
  void DrawMap(const TileSet& tileSet, const Map& map) override;
  void DrawTile(const TileSet& tileSet, std::uint8_t tile, i16 x, i16 y) override;

  bool IsOpen() const { return open_; }
  // The last frame shown, at 640 x 480.
  const QImage& Frame() const { return canvas_.Shown(); }
  // Where the frame lands in a widget of `size`: scaled by the largest whole
  // factor that fits (at least 1), square pixels, centred.
  static QRect FrameRect(QSize size);

  QSize sizeHint() const override;

 protected:
  bool event(QEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  static const QtTileSet& Ours(const TileSet& tileSet);
  void ReleaseHeldKeys();

  DisplayEvents& events_;
  SpriteCanvas canvas_;  // holds the frame on show between ticks
  std::vector<TileSetRef> tileSets_;
  std::set<i16> held_;  // keys down on this display, to release when it loses the focus
  bool open_ = false;
};
