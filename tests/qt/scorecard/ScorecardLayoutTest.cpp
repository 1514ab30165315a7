// Rough input lays out: the numbers are never clipped or overlapped, whatever
// the names and however short, empty or lopsided the innings.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>

#include "LayoutCases.h"
#include "qt/scorecard/ElidedLabel.h"
#include "qt/scorecard/InningsPanel.h"
#include "qt/scorecard/ManhattanChart.h"
#include "qt/scorecard/ScorecardWindow.h"
#include "qt/scorecard/WormChart.h"

namespace {

QRect InWindow(const QWidget* widget) {
  return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

// The label shows all of its text: wide and tall enough, and inside the window.
void ExpectWhole(const QLabel* label, const char* what) {
  SCOPED_TRACE(what);
  const QSize need = label->wordWrap()
                         ? QSize(label->width(), label->heightForWidth(label->width()))
                         : label->sizeHint();
  EXPECT_GE(label->width(), need.width()) << label->text().toStdString();
  EXPECT_GE(label->height(), need.height()) << label->text().toStdString();
  EXPECT_TRUE(label->window()->rect().contains(InWindow(label))) << label->text().toStdString();
}

void ExpectPanelLaidOut(const InningsPanel* panel) {
  ExpectWhole(panel->Score(), "score");
  ExpectWhole(panel->Overs(), "overs");
  ExpectWhole(panel->Tallies(), "tallies");
  ExpectWhole(panel->Fall(), "fall of wickets");
  const ElidedLabel* team = panel->Team();
  EXPECT_FALSE(InWindow(team).intersects(InWindow(panel->Score())));
  EXPECT_FALSE(InWindow(panel->Score()).intersects(InWindow(panel->Overs())));
  EXPECT_LE(team->fontMetrics().horizontalAdvance(team->text()), team->contentsRect().width());
  EXPECT_FALSE(team->text().isEmpty());
  // A side yet to bat has no overs to list; one that batted has room for at least a line.
  if (panel->OverList()->isVisible()) {
    EXPECT_GT(panel->OverList()->height(), panel->OverList()->fontMetrics().height());
  }
}

// At its own size and at the least it is given beside the game window.
TEST(ScorecardLayout, RoughInputKeepsEveryNumberWholeAndApart) {
  const QSize sizes[] = {{ScorecardWindow::kWidth, ScorecardWindow::kHeight},
                         {ScorecardWindow::kLeastWidth, ScorecardWindow::kLeastHeight}};
  for (const QSize size : sizes)
    for (const layout_cases::Case& c : layout_cases::All()) {
      SCOPED_TRACE(c.name + " at " + std::to_string(size.width()));
      ScorecardWindow window;
      window.resize(size);
      window.SetRecord(c.first, c.second, c.team1, c.team2);
      c.both ? window.ShowBothInnings() : window.ShowFirstInnings();
      QCoreApplication::processEvents();
      EXPECT_EQ(window.size(), size);
      ExpectPanelLaidOut(window.Panel(1));
      if (c.both) {
        ExpectPanelLaidOut(window.Panel(2));
        EXPECT_FALSE(InWindow(window.Panel(1)).intersects(InWindow(window.Panel(2))));
      }
      EXPECT_FALSE(InWindow(window.Panel(1)).intersects(InWindow(window.Manhattan())));
      EXPECT_FALSE(InWindow(window.Manhattan()).intersects(InWindow(window.Worm())));
      EXPECT_GE(window.Manhattan()->height(), 200);
    }
}

TEST(ScorecardLayout, ALongNameIsShortenedButKeptWholeInTheToolTip) {
  const QString name(200, QLatin1Char('W'));
  ScorecardWindow window;
  scorecard::InningsRecord first, second;
  window.SetRecord(first, second, name, "B");
  window.ShowBothInnings();
  QCoreApplication::processEvents();
  const ElidedLabel* team = window.Panel(1)->Team();
  EXPECT_TRUE(team->text().endsWith(QChar(0x2026)));
  EXPECT_EQ(team->toolTip(), name);
  EXPECT_EQ(window.Panel(2)->Team()->text(), "B");
}

}  // namespace
