// A kept match: how big its script is (target under 20 KB), and whether
// watching it at four times its pace keeps each tick within its period (the
// design period of 16 ms, so 4 ms). The match is played by the bot (both
// sides), the journal writing it as the game does, then watched through the
// real watcher and display, offscreen, with nothing heard:
//   gallowby-watch-bench [--overs N] [--quick]

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "MatchBot.h"
#include "Rigs.h"
#include "Stats.h"
#include "core/journal/KeptScript.h"
#include "core/journal/MatchJournal.h"
#include "qt/display/QtPictures.h"
#include "qt/forms/ResultDialog.h"
#include "qt/history/Watcher.h"

namespace {

std::string KeepAMatch(const std::string& overs) {
  bench::NullRig null;
  fakes::Rig& rig = null.rig;
  MatchJournal journal(rig.forms);
  rig.game.SetInputListener(&journal);
  rig.forms.SetText(TextBox::Text3, overs);
  bench::MatchBot bot(rig.game);
  rig.pump.fallback = [&bot] { bot.Step(); };
  rig.game.cmdBegin_Click();
  return journal.Script();
}

// Continue, once the watched match shows its result.
void ContinueWhenShown() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* result = qobject_cast<ResultDialog*>(widget); result && result->isVisible())
      return result->Continue()->click();
  QTimer::singleShot(50, ContinueWhenShown);
}

// The time from each tick of the watched match to the next.
std::vector<double> WatchAt4x(const std::string& script) {
  QtPictures pictures(QCoreApplication::applicationDirPath());
  fakes::QuietOutputs quiet;
  Watcher watcher(ReadKeptScript(script), pictures, quiet);
  watcher.SetPace(4);
  std::vector<double> intervals;
  QElapsedTimer clock;
  clock.start();
  qint64 last = -1;
  watcher.OnTicked([&] {
    const qint64 now = clock.nsecsElapsed();
    if (last >= 0) intervals.push_back(static_cast<double>(now - last) / 1e6);
    last = now;
  });
  QTimer::singleShot(50, ContinueWhenShown);
  watcher.Run();
  return intervals;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  const int at = static_cast<int>(args.indexOf("--overs"));
  const std::string overs = at > 0 && at + 1 < args.size() ? args[at + 1].toStdString()
                            : args.contains("--quick")     ? "0"
                                                           : "5";
  const std::string script = KeepAMatch(overs);
  std::printf("a kept match of %s overs an innings: %zu bytes, %.1f KB (target < 20 KB)\n",
              overs.c_str(), script.size(), static_cast<double>(script.size()) / 1024);
  std::fflush(stdout);  // before the watching, which takes a while
  const std::vector<double> intervals = WatchAt4x(script);
  const bench::Summary ticks = bench::Summarise(intervals);
  std::printf("%s   target: within the period, 4 ms\n",
              bench::Describe("watched at 4x, tick to tick", ticks, "ms").c_str());
  return 0;
}
