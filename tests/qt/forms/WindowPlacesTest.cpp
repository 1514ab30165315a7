// The scorecard and the result dialog keep out of the way of the play on the
// screens players have, with the game window as a window manager leaves it:
// normal, moved, maximised or full screen.
#include <gtest/gtest.h>

#include <QMargins>

#include "qt/forms/OptionsLayout.h"
#include "qt/forms/WindowPlaces.h"
#include "qt/scorecard/ScorecardWindow.h"

namespace {

using places::GameWindow;

// A title bar and thin borders, as openbox draws them.
const QMargins kFrame(1, 22, 1, 4);
const QSize kCard = QSize(ScorecardWindow::kWidth, ScorecardWindow::kHeight).grownBy(kFrame);
const QSize kLeast =
    QSize(ScorecardWindow::kLeastWidth, ScorecardWindow::kLeastHeight).grownBy(kFrame);
const QSize kDialog = QSize(372, 251).grownBy(kFrame);

// The game window with its client area at `client`; the stage is all of it right of the panel.
GameWindow Game(const QRect& client, const QRect& screen) {
  const QRect stage = client.adjusted(layout::kFormWidth, 0, 0, 0);
  return {client.marginsAdded(kFrame), stage, screen};
}

enum class Side { Right, Below, OverPanel };

Side SideOf(const QRect& card, const GameWindow& game) {
  if (card.left() > game.frame.right()) return Side::Right;
  if (card.top() > game.frame.bottom()) return Side::Below;
  return Side::OverPanel;
}

TEST(WindowPlaces, CardAndResultKeepClearOfTheFieldAndOfEachOther) {
  const QRect hd(0, 0, 1920, 1080), sxga(0, 0, 1280, 1024), wuxga(0, 0, 1920, 1200);
  const QRect normal(1, 22, 624 + 640, 540);  // as the window opens, at the top left
  const struct {
    const char* what;
    GameWindow game;
    Side side;
  } cases[] = {
      {"1920 x 1080, normal window", Game(normal, hd), Side::Right},
      {"1280 x 1024, normal window", Game(normal, sxga), Side::OverPanel},
      {"1280 x 1024, window centred by the window manager",
       Game(QRect(15, 289, 624 + 640, 540), sxga), Side::OverPanel},
      {"1280 x 1024, window low on the screen", Game(normal.translated(0, 300), sxga),
       Side::OverPanel},
      {"1920 x 1200, window moved right", Game(normal.translated(650, 0), wuxga), Side::Below},
      {"1920 x 1080, maximised", Game(QRect(1, 22, 1918, 1054), hd), Side::OverPanel},
      {"1920 x 1080, full screen", GameWindow{hd, hd.adjusted(624, 0, 0, 0), hd}, Side::OverPanel},
      {"1280 x 1024, full screen", GameWindow{sxga, sxga.adjusted(624, 0, 0, 0), sxga},
       Side::OverPanel},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QRect card = places::Scorecard(c.game, kCard, kLeast);
    EXPECT_EQ(SideOf(card, c.game), c.side);
    EXPECT_TRUE(c.game.screen.contains(card));
    EXPECT_FALSE(card.intersects(c.game.stage));
    EXPECT_GE(card.width(), std::min(kLeast.width(), c.game.stage.left() - c.game.frame.left()));
    EXPECT_GE(card.height(), kLeast.height());
    const QRect result = places::Result(c.game, kDialog, card);
    EXPECT_EQ(result.size(), kDialog);
    EXPECT_TRUE(c.game.screen.contains(result));
    EXPECT_FALSE(result.intersects(card));
    EXPECT_FALSE(result.intersects(c.game.stage));
  }
}

// Where the screen has the room, the card keeps its full size.
TEST(WindowPlaces, TheCardIsFullSizeWhereItFits) {
  const QRect wide(0, 0, 2560, 1440);
  const QRect card = places::Scorecard(Game(QRect(1, 22, 1264, 540), wide), kCard, kLeast);
  EXPECT_EQ(card, QRect(QPoint(1266 + places::kGap, 0), kCard));
}

}  // namespace
