// Pictures of the scorecard window, for a person to look at: set
// GALLOWBY_SCORECARD_PICTURES to a folder and each layout case is saved there
// as a PNG. Without it the test is skipped.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "LayoutCases.h"
#include "qt/scorecard/ScorecardWindow.h"

namespace {

TEST(ScorecardPictures, SavedWhenAskedFor) {
  const QString folder = qEnvironmentVariable("GALLOWBY_SCORECARD_PICTURES");
  if (folder.isEmpty()) GTEST_SKIP() << "GALLOWBY_SCORECARD_PICTURES not set";
  QDir().mkpath(folder);
  for (const layout_cases::Case& c : layout_cases::All()) {
    ScorecardWindow window;
    window.SetRecord(c.first, c.second, c.team1, c.team2);
    c.both ? window.ShowBothInnings() : window.ShowFirstInnings();
    QCoreApplication::processEvents();
    const QString file = folder + "/" + QString::fromStdString(c.name) + ".png";
    EXPECT_TRUE(window.grab().save(file)) << file.toStdString();
  }
}

}  // namespace
