#include "qt/display/DisplayWidget.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "core/model/FieldGeometry.h"
#include "qt/display/EnlargedPaint.h"
#include "qt/display/QtKeys.h"
#include "qt/display/QtTileSet.h"

namespace {
constexpr int kErrInvalidCall = 5;  // "Invalid procedure call or argument"
}

DisplayWidget::DisplayWidget(DisplayEvents& events, QWidget* parent)
    : QWidget(parent), events_(events) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(field::ScreenWidth, field::ScreenHeight);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setObjectName(QStringLiteral("Display"));
}

QSize DisplayWidget::sizeHint() const {
  return {field::ScreenWidth, field::ScreenHeight};
}

// ---- the surface ----

void DisplayWidget::OpenDisplay() {
  open_ = true;
  canvas_.Clear();
  show();
  setFocus(Qt::OtherFocusReason);
  update();
}

void DisplayWidget::CloseDisplay() {
  ReleaseHeldKeys();
  tileSets_.clear();
  open_ = false;
  hide();
}

void DisplayWidget::DrawText(const std::string& text, i16 x, i16 y) {
  canvas_.DrawText(text, x, y);
}

// Only the part of the picture that changed is repainted, as one rectangle
// (which Qt copies fastest); a frame the same as the last costs no painting.
// Enlarged, the parts that changed are enlarged and repainted each on its own:
// the one rectangle round them would cost several times the pixels.
void DisplayWidget::ShowFrame() {
  canvas_.Finished();
  const QRect changed = canvas_.Changed();
  if (changed.isEmpty()) return;
  const QRect target = FrameRect(size());
  const int factor = target.width() / field::ScreenWidth;
  if (factor == 1) {
    update(changed.translated(target.topLeft()));
    return;
  }
  QRegion repaint;
  for (const QRect& part : canvas_.ChangedParts())
    repaint += QRect(target.topLeft() + part.topLeft() * factor, part.size() * factor);
  update(repaint);
}

TileSetRef DisplayWidget::CreateTileSet(const Picture& picture, int tileWidth, int tileHeight) {
  auto tileSet = std::make_shared<QtTileSet>(ImageOf(picture), tileWidth, tileHeight,
                                             PreparedSpritesOf(picture));
  tileSets_.push_back(tileSet);
  return tileSet;
}

std::shared_ptr<Map> DisplayWidget::CreateMap() {
  return std::make_shared<Map>();
}

const QtTileSet& DisplayWidget::Ours(const TileSet& tileSet) {
  const auto* ours = dynamic_cast<const QtTileSet*>(&tileSet);
  if (!ours) RaiseError(kErrInvalidCall, "Invalid procedure call or argument");
  return *ours;
}

void DisplayWidget::DrawMap(const TileSet& tileSet, const Map& map) {
  canvas_.DrawMap(Ours(tileSet), map);
}

void DisplayWidget::DrawTile(const TileSet& tileSet, std::uint8_t tile, i16 x, i16 y) {
  canvas_.DrawTile(Ours(tileSet), tile, x, y);
}

// ---- showing the frame ----

QRect DisplayWidget::FrameRect(QSize size) {
  const int factor =
      std::max(1, std::min(size.width() / field::ScreenWidth, size.height() / field::ScreenHeight));
  const QSize scaled(field::ScreenWidth * factor, field::ScreenHeight * factor);
  return {QPoint((size.width() - scaled.width()) / 2, (size.height() - scaled.height()) / 2),
          scaled};
}

// Larger than the field, the frame is enlarged straight into the window's
// image where it can be (EnlargedPaint.h); else Qt scales it, as crisply.
void DisplayWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect target = FrameRect(size());
  const QRegion border = QRegion(rect()).subtracted(QRegion(target));
  for (const QRect& strip : border) painter.fillRect(strip, Qt::black);
  const int factor = target.width() / field::ScreenWidth;
  if (factor > 1 && PaintEnlarged(painter, Frame(), target, factor, event->region())) return;
  painter.drawImage(target, Frame());  // no smoothing: whole pixels stay square and sharp
}

// ---- keys ----

bool DisplayWidget::event(QEvent* event) {
  // Keys the game knows are the game's, before any shortcut of the panel.
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (keycodes::VirtualKey(key->key(), key->modifiers()) != keycodes::kNone) {
      event->accept();
      return true;
    }
  }
  return QWidget::event(event);
}

// Tab and Shift+Tab are game keys here, not a way out of the display.
bool DisplayWidget::focusNextPrevChild(bool) {
  return false;
}

void DisplayWidget::keyPressEvent(QKeyEvent* event) {
  const i16 code = keycodes::VirtualKey(event->key(), event->modifiers());
  if (code == keycodes::kNone) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  if (event->isAutoRepeat()) return;  // a held key is one press
  held_.insert(code);
  events_.Display_KeyDown(code, keycodes::ShiftState(event->modifiers()));
}

void DisplayWidget::keyReleaseEvent(QKeyEvent* event) {
  const i16 code = keycodes::VirtualKey(event->key(), event->modifiers());
  if (code == keycodes::kNone) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  event->accept();
  if (event->isAutoRepeat()) return;
  held_.erase(code);
  events_.Display_KeyUp(code, keycodes::ShiftState(event->modifiers()));
}

// A key released while another widget had the focus never reaches us: let the
// game see every held key come up now, so nothing stays held by itself.
void DisplayWidget::ReleaseHeldKeys() {
  const std::set<i16> held = std::exchange(held_, {});
  for (i16 code : held) events_.Display_KeyUp(code, 0);
}

void DisplayWidget::focusOutEvent(QFocusEvent* event) {
  ReleaseHeldKeys();
  QWidget::focusOutEvent(event);
}

void DisplayWidget::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  event->accept();
}
