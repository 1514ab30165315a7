#include "qt/forms/WindowPlaces.h"

#include <algorithm>
#include <initializer_list>

namespace places {
namespace {

// The room from `corner` to the screen's far corner.
QRect RoomFrom(QPoint corner, const QRect& screen) {
  return QRect(corner, screen.bottomRight()) & screen;
}

// The card at its size, or as much of it as the room holds if that is at least `least`.
bool FitIn(const QRect& room, QSize card, QSize least, QRect& place) {
  if (room.width() < least.width() || room.height() < least.height()) return false;
  place = QRect(room.topLeft(), card.boundedTo(room.size()));
  return true;
}

// Moved as little as it takes to lie on the screen.
QRect OnScreen(QRect place, const QRect& screen) {
  place.moveLeft(
      std::max(screen.left(), std::min(place.left(), screen.right() + 1 - place.width())));
  place.moveTop(
      std::max(screen.top(), std::min(place.top(), screen.bottom() + 1 - place.height())));
  return place;
}

}  // namespace

QRect Scorecard(const GameWindow& game, QSize card, QSize least) {
  const QRect& g = game.frame;
  const QRect right = RoomFrom(QPoint(g.right() + 1 + kGap, g.top()), game.screen);
  const QRect below = RoomFrom(QPoint(g.left(), g.bottom() + 1 + kGap), game.screen);
  const QRect panelColumn =
      QRect(g.topLeft(), QPoint(game.stage.left() - 1, game.screen.bottom())) & game.screen;
  QRect place;
  for (const QRect& room : {right, below})
    if (FitIn(room, card, least, place)) return place;
  return QRect(panelColumn.topLeft(), card.boundedTo(panelColumn.size()));
}

QRect Result(const GameWindow& game, QSize dialog, const QRect& card) {
  const QRect& g = game.frame;
  const QRect panel(g.topLeft(), QPoint(game.stage.left() - 1, g.bottom()));
  const QPoint overPanel = panel.center() - QPoint(dialog.width() / 2, dialog.height() / 2);
  const QPoint corners[] = {
      overPanel,
      QPoint(game.stage.left(), g.bottom() + 1 + kGap),
      QPoint(game.stage.left(), g.top() - kGap - dialog.height()),
      QPoint(g.right() + 1 + kGap, g.top()),
      QPoint(card.right() + 1 + kGap, card.top()),
      QPoint(card.left(), card.bottom() + 1 + kGap),
      QPoint(card.left(), card.top() - kGap - dialog.height()),
  };
  for (QPoint corner : corners) {
    const QRect place = OnScreen(QRect(corner, dialog), game.screen);
    if (!place.intersects(card) && !place.intersects(game.stage)) return place;
  }
  return OnScreen(QRect(overPanel, dialog), game.screen);
}

}  // namespace places
