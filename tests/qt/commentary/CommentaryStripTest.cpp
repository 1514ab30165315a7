#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <string>
#include <vector>

#include "core/commentary/Commentary.h"
#include "qt/commentary/CommentaryStrip.h"

namespace {

// Lines as a match in full flow gives them.
const std::array<std::string, 3> kMidMatch = {
    "Batsman: Z/X to move; as the ball arrives N drive, M glance, K hook, H cut, J block",
    "FOUR! \u2014 Drive, timing and line 9 against danger 2: clean hit",
    "Tigers need 12 from 5 balls"};

std::string Long(const std::string& start) {
  std::string line = start;
  while (line.size() < 400) line += " and on and on";
  return line;
}

// The strip's band colour, read where no word is ever drawn: its bottom left corner.
QRgb Band(const QImage& image) {
  return image.pixel(1, image.height() - 1);
}

// True when some pixel of columns [from, to) differs from the band.
bool InkIn(const QImage& image, int from, int to) {
  for (int y = 1; y < image.height(); ++y)
    for (int x = from; x < to; ++x)
      if (image.pixel(x, y) != Band(image)) return true;
  return false;
}

TEST(CommentaryStrip, IsTheFieldsWidthAndThreeLinesHigh) {
  CommentaryStrip strip;
  strip.resize(strip.sizeHint());
  EXPECT_EQ(strip.size(), QSize(640, 60));
  EXPECT_EQ(strip.focusPolicy(), Qt::NoFocus) << "keys must stay with the field";
}

TEST(CommentaryStrip, ElidesLongLinesWithinTheStrip) {
  CommentaryStrip strip;
  strip.resize(640, CommentaryStrip::kHeight);
  strip.SetLines({Long("Run-up: arrows aim"), Long("Bowled!"), "Tigers need 12"});
  for (std::size_t i = 0; i < 2; ++i) {
    const QString shown = strip.ShownLine(i);
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_LT(shown.size(), 120);
  }
  EXPECT_EQ(strip.ShownLine(2), "Tigers need 12") << "a short line is left whole";

  const QImage image = strip.grab().toImage();
  EXPECT_TRUE(InkIn(image, 500, 632)) << "the long lines reach the right";
  EXPECT_FALSE(InkIn(image, 634, 640)) << "but no word runs into the right margin";
}

TEST(CommentaryStrip, ShowsNewLinesAndDropsOldOnes) {
  CommentaryStrip strip;
  strip.resize(640, CommentaryStrip::kHeight);
  strip.SetLines(kMidMatch);
  EXPECT_EQ(strip.ShownLine(1).toStdString(), kMidMatch[1]);
  strip.SetLines({kMidMatch[0], "", kMidMatch[2]});
  EXPECT_EQ(strip.ShownLine(1), "");
  const QImage image = strip.grab().toImage();
  bool inkOnSecondLine = false;
  for (int y = 22; y < 38; ++y)
    for (int x = 0; x < 640 && !inkOnSecondLine; ++x)
      inkOnSecondLine = image.pixel(x, y) != Band(image);
  EXPECT_FALSE(inkOnSecondLine) << "the cleared line is painted over";
}

// The box round every word drawn, below the rule at the top.
QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 3; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != Band(image)) box |= QRect(x, y, 1, 1);
  return box;
}

// Beside a field scaled up the strip is scaled with it: the same words, drawn
// twice as large (within what hinting a face at another size may change).
TEST(CommentaryStrip, AtTwiceItsSizeTheWordsAreTwiceAsLarge) {
  QRect boxes[2];
  for (int scale : {1, 2}) {
    CommentaryStrip strip;
    strip.resize(640 * scale, CommentaryStrip::kHeight * scale);
    strip.SetLines(kMidMatch);
    boxes[scale - 1] = InkBox(strip.grab().toImage());
  }
  EXPECT_NEAR(boxes[1].width(), 2 * boxes[0].width(), boxes[0].width() / 20);
  EXPECT_NEAR(boxes[1].height(), 2 * boxes[0].height(), boxes[0].height() / 10);
  EXPECT_NEAR(boxes[1].left(), 2 * boxes[0].left(), 2);
}

// The commentary caps names so the widget never has to cut a line: with the
// widest names and the biggest scores every line is shown whole.
TEST(CommentaryStrip, WidestNamesAndScoresAreNeverCut) {
  PlaySituation s;
  s.team1 = std::string(200, 'W');
  s.team2 = "東京ヤクルトスワローズ打撃陣とその仲間たち";
  s.team1Runs = s.team2Runs = 32767;  // the most a 16-bit score holds
  s.team1Wickets = s.team2Wickets = 10;
  s.oversBowled = 32767, s.ballsInOver = 5, s.oversPerInnings = 32767;
  std::vector<PlaySituation> situations;
  for (bool first : {true, false})
    for (bool atBreak : {false, true}) {
      s.firstInnings = first, s.inningsBreak = atBreak;
      s.sides = SidesOf(GameType::HumanVCpu, first);
      situations.push_back(s);
    }
  CommentaryStrip strip;
  strip.resize(640, CommentaryStrip::kHeight);
  for (const PlaySituation& situation : situations) {
    Commentary commentary;
    strip.SetLines(commentary.Update(situation));
    for (std::size_t i = 0; i < 3; ++i)
      EXPECT_EQ(strip.ShownLine(i).toStdString(), commentary.Lines()[i]);
    GameEvent ended;
    ended.kind = EventKind::MatchEnded;
    commentary.OnEvent(ended);
    strip.SetLines(commentary.Lines());
    EXPECT_EQ(strip.ShownLine(2).toStdString(), commentary.Lines()[2]);
  }
}

}  // namespace
