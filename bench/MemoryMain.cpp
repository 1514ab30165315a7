// gallowby-memory [--quick] [--matches N] [--display qt|null] [--overs TEXT]:
// plays N whole matches headless (at the design values unless --overs types
// another "Number Of Overs"; "0" makes each innings a single ball), both sides played by the bot,
// and prints how much the resident memory grew between the end of the warm-up and the end of the
// last match. The first few matches are a warm-up (fonts, glyph caches, the allocator's pools) and
// are not counted. With the Qt display (the default) every match makes its widget, loads the seven
// bitmaps and draws every frame offscreen; with null, only the game's own logic runs.

#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>

#include "MatchBot.h"
#include "Rigs.h"

namespace {

struct Options {
  long matches = 1000;
  long warmUp = 20;
  bool qtDisplay = true;
  std::optional<std::string> overs;
};

bool Parse(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    if (flag == "--quick") {
      options.matches = 3;
      options.warmUp = 1;
    } else if (flag == "--matches" && i + 1 < argc) {
      options.matches = std::atol(argv[++i]);
    } else if (flag == "--overs" && i + 1 < argc) {
      options.overs = argv[++i];
    } else if (flag == "--display" && i + 1 < argc) {
      options.qtDisplay = std::strcmp(argv[++i], "qt") == 0;
    } else {
      return false;
    }
  }
  return options.matches > 0;
}

// Resident memory with the allocator's free pages handed back first, so the
// figure is what the program still holds rather than what malloc keeps spare.
double ResidentMb() {
  malloc_trim(0);
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
         (1024.0 * 1024.0);
}

// Plays one match to its result and clears the result dialog; false if it did not end.
template <typename Rig>
bool PlayMatch(Rig& rig, const Options& options, long& ticks) {
  if (options.overs) rig.forms.SetText(TextBox::Text3, *options.overs);
  std::optional<bench::MatchBot> bot;
  bot.emplace(rig.game);
  rig.pump.steps.clear();
  rig.pump.fallback = [&bot] { bot->Step(); };
  rig.game.cmdBegin_Click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  if (!rig.forms.resultShown) return false;
  rig.game.Command1_Click();
  ticks += bot->Ticks();
  return true;
}

template <typename Rig>
int Run(Rig& rig, const Options& options) {
  long ticks = 0;
  for (long i = 0; i < options.warmUp; ++i)
    if (!PlayMatch(rig, options, ticks)) return 1;
  const double before = ResidentMb();
  ticks = 0;
  for (long i = 0; i < options.matches; ++i)
    if (!PlayMatch(rig, options, ticks)) return 1;
  const double after = ResidentMb();
  std::printf(
      "%ld matches (%ld ticks, overs \"%s\") with the %s display: resident %.1f MB -> %.1f MB, "
      "growth %.2f MB   target: < 1 MB over 1000 matches\n",
      options.matches, ticks, options.overs.value_or("1").c_str(),
      options.qtDisplay ? "Qt" : "null", before, after, after - before);
  return 0;
}

// The test rig, seen with the field names the drawn rig uses.
struct NullMatchRig {
  bench::NullRig rig;
  fakes::FakeForms& forms = rig.rig.forms;
  fakes::ScriptedPump& pump = rig.rig.pump;
  Game& game = rig.game;
};

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!Parse(argc, argv, options)) {
    std::fprintf(
        stderr,
        "usage: gallowby-memory [--quick] [--matches N] [--display qt|null] [--overs TEXT]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  if (options.qtDisplay) {
    bench::DrawnRig rig;
    return Run(rig, options);
  }
  NullMatchRig rig;
  return Run(rig, options);
}
