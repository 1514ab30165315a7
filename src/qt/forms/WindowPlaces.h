#pragma once
// Where the scorecard and the result dialog stand on the screen, so that they
// keep out of the way of the play. Every rectangle is a window's frame (title
// bar and borders included) in screen coordinates.

#include <QRect>

namespace places {

inline constexpr int kGap = 8;  // pixels between two windows side by side

// The game window as the other windows keep clear of it: the field, its strip
// and the dark round them fill the stage, right of the options panel.
struct GameWindow {
  QRect frame;
  QRect stage;
  QRect screen;  // the part of the game window's screen windows may use
};

// The scorecard on the game window's screen: to its right if there is room,
// else below it, else over the panel (as wide as the panel's column). It gets
// its full size where that fits, else no less than `least`. Never over the stage.
QRect Scorecard(const GameWindow& game, QSize card, QSize least);

// The result dialog, clear of the scorecard and of where the field was: over
// the panel, else under or over the stage, else beside the game window or the
// card, moved onto the screen where it would stand off it.
QRect Result(const GameWindow& game, QSize dialog, const QRect& card);

}  // namespace places
