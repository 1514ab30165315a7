// The scorecard window shows a known match's figures and charts, and Copy puts
// the card on the clipboard as text.

#include <gtest/gtest.h>

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QScatterSeries>

#include "MatchRecords.h"
#include "core/scorecard/ScorecardText.h"
#include "qt/scorecard/InningsPanel.h"
#include "qt/scorecard/ManhattanChart.h"
#include "qt/scorecard/ScorecardWindow.h"
#include "qt/scorecard/WormChart.h"

namespace {

template <typename Series>
std::vector<Series*> SeriesOf(QChart* chart) {
  std::vector<Series*> found;
  for (QAbstractSeries* series : chart->series())
    if (auto* s = qobject_cast<Series*>(series)) found.push_back(s);
  return found;
}

// The next widget Tab moves to from this one (a widget that passes its focus on is passed over).
QWidget* NextTabStop(QWidget* from) {
  for (QWidget* w = from->nextInFocusChain(); w != from; w = w->nextInFocusChain())
    if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisible() && w->isEnabled())
      return w;
  return from;
}

std::vector<qreal> Values(const QBarSet* set) {
  std::vector<qreal> values;
  for (int i = 0; i < set->count(); ++i) values.push_back(set->at(i));
  return values;
}

class ScorecardWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    match_records::Innings(
        book, {"4 Runs", "Wide", "", "Caught Out", "1 Run", "2 Runs", "No Run", "Your OUT!!!"}, 1);
    match_records::Innings(
        book, {"1 Run", "1 Run", "Caught Out", "4 Runs", "4 Runs", "Wide", "No Run"}, 2);
    window.SetRecord(book, "Lions", "Tigers");
  }
  scorecard::BallByBall book;
  ScorecardWindow window;
};

TEST_F(ScorecardWindowTest, EachInningsShowsItsFigures) {
  window.ShowBothInnings();
  InningsPanel* lions = window.Panel(1);
  EXPECT_EQ(lions->Score()->text(), "8/2");
  EXPECT_EQ(lions->Overs()->text(), "(1.1 ov)");
  EXPECT_EQ(lions->Tallies()->text(), "Wides 1   Fours 1   Dots 2");
  EXPECT_EQ(lions->Fall()->text(), "Fall of wickets: 1-5 (0.3), 2-8 (1.1)");
  ASSERT_EQ(lions->OverList()->count(), 2);
  EXPECT_EQ(lions->OverList()->item(0)->text(), "Over 1:  4 wd . W 1 2 .   = 8");
  EXPECT_EQ(lions->OverList()->item(1)->text(), "Over 2:  W   = 0");
  InningsPanel* tigers = window.Panel(2);
  EXPECT_TRUE(tigers->isVisible());
  EXPECT_EQ(tigers->Score()->text(), "11/1");
  EXPECT_EQ(tigers->Overs()->text(), "(1.0 ov)");
}

TEST_F(ScorecardWindowTest, TheManhattanHasABarPerOverAndAMarkPerWicket) {
  window.ShowBothInnings();
  QChart* chart = window.Manhattan()->chart();
  const auto bars = SeriesOf<QBarSeries>(chart);
  ASSERT_EQ(bars.size(), 1u);
  ASSERT_EQ(bars[0]->count(), 2);
  EXPECT_EQ(bars[0]->barSets()[0]->label(), "Lions");
  EXPECT_EQ(bars[0]->barSets()[1]->label(), "Tigers");
  EXPECT_EQ(Values(bars[0]->barSets()[0]), (std::vector<qreal>{8, 0}));
  EXPECT_EQ(Values(bars[0]->barSets()[1]), (std::vector<qreal>{11, 0}));
  const auto marks = SeriesOf<QScatterSeries>(chart);
  ASSERT_EQ(marks.size(), 2u);
  ASSERT_EQ(marks[0]->count(), 2);
  EXPECT_EQ(marks[1]->count(), 1);
  // Above the bar of its over, on its side's half of the slot.
  EXPECT_LT(marks[0]->at(0).x(), 0);
  EXPECT_GT(marks[0]->at(0).y(), 8);
  EXPECT_GT(marks[0]->at(1).x(), 0.5);
  EXPECT_GT(marks[1]->at(0).x(), 0);
}

// On the screen each wicket's mark sits on its over's bar and the next on top
// of it, touching, at any height of the chart.
TEST(ManhattanMarks, SitOnTheBarOneAboveTheOtherAtAnyHeight) {
  scorecard::BallByBall book;
  match_records::Innings(book, {"Caught Out", "1 Run", "Caught Out", "4 Runs", "Your OUT!!!"}, 1);
  const qreal size = chart_style::kWicketMarkSize;
  for (int height : {chart_style::kMinChartHeight, 480}) {
    ManhattanChart view;
    view.resize(360, height);
    view.SetSides({{&book.Innings(1), "Lions", chart_style::kTeamColours[0]}});
    view.show();
    QCoreApplication::processEvents();
    QScatterSeries* marks = SeriesOf<QScatterSeries>(view.chart())[0];
    ASSERT_EQ(marks->count(), 3);
    const qreal barTop = view.chart()->mapToPosition(QPointF(0, 5), marks).y();
    qreal under = barTop;  // the bottom of what the next mark rests on
    for (const QPointF& mark : marks->points()) {
      const qreal centre = view.chart()->mapToPosition(mark, marks).y();
      const qreal gap = under - (centre + size / 2);
      EXPECT_GE(gap, 0) << "chart height " << height;
      EXPECT_LE(gap, 4) << "chart height " << height;
      under = centre - size / 2;
    }
    EXPECT_GT(view.chart()->plotArea().top(), 0);
    EXPECT_GE(under, view.chart()->plotArea().top()) << "the stack fits under the top";
  }
}

TEST_F(ScorecardWindowTest, TheWormAddsUpTheRunsOverByOverFromNought) {
  window.ShowBothInnings();
  QChart* chart = window.Worm()->chart();
  const auto worms = SeriesOf<QLineSeries>(chart);
  ASSERT_EQ(worms.size(), 2u);
  EXPECT_EQ(worms[0]->name(), "Lions");
  const QList<QPointF> lions = worms[0]->points();
  ASSERT_EQ(lions.size(), 3);
  EXPECT_EQ(lions[0], QPointF(0, 0));
  EXPECT_EQ(lions[1], QPointF(1, 8));
  EXPECT_NEAR(lions[2].x(), 1 + 1.0 / 6, 1e-9);  // the innings closed at 1.1 overs
  EXPECT_EQ(lions[2].y(), 8);
  EXPECT_EQ(worms[1]->points(), (QList<QPointF>{{0, 0}, {1, 11}}));
  const auto marks = SeriesOf<QScatterSeries>(chart);
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_NEAR(marks[0]->at(0).x(), 0.5, 1e-9);  // fell at 0.3 overs, with 5 on the board
  EXPECT_EQ(marks[0]->at(0).y(), 5);
}

TEST_F(ScorecardWindowTest, CopyPutsTheCardOnTheClipboard) {
  window.ShowBothInnings();
  QGuiApplication::clipboard()->clear();
  window.Copy()->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
            scorecard::ScorecardText(book.Innings(1), "Lions", &book.Innings(2), "Tigers"));
}

TEST_F(ScorecardWindowTest, AtTheBreakOnlyTheFirstInningsIsShown) {
  window.ShowFirstInnings();
  EXPECT_FALSE(window.Panel(2)->isVisible());
  EXPECT_EQ(SeriesOf<QBarSeries>(window.Manhattan()->chart())[0]->count(), 1);
  EXPECT_EQ(SeriesOf<QLineSeries>(window.Worm()->chart()).size(), 1u);
  EXPECT_EQ(window.Text().toStdString(),
            scorecard::ScorecardText(book.Innings(1), "Lions", nullptr, "Tigers"));
}

TEST_F(ScorecardWindowTest, TheKeyboardStartsOnCopyAndTabsThroughTheRest) {
  window.ShowBothInnings();
  EXPECT_EQ(window.focusWidget(), window.Copy());
  EXPECT_EQ(NextTabStop(window.Copy()), window.Close());
  EXPECT_EQ(NextTabStop(window.Close()), window.Panel(1)->OverList());
  EXPECT_EQ(NextTabStop(window.Panel(1)->OverList()), window.Panel(2)->OverList());
  EXPECT_EQ(NextTabStop(window.Panel(2)->OverList()), window.Copy());
}

}  // namespace
