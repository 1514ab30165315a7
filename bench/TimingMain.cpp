// gallowby-timing [--quick]: the running game's clock, measured inside it. The
// game is wired as main.cpp wires it (the real forms, timer, pictures, message
// loop, sound and the match's audience) on Qt's offscreen platform unless QT_QPA_PLATFORM says
// otherwise, and Begin is pressed on the options form:
//   - Begin to the first frame painted, a few times (the first is the cold one,
//     a second after the options form came up, as a player would press it);
//   - one long match: tick intervals at the design values (16 ms) and after
//     Tab's release (30 ms), and quick keys, from a key reaching the display to
//     the end of the first paint that shows the batsman moved.
// Prints the figures beside their targets; exits 1 only if a part could not be
// measured at all, never on the figures. GALLOWBY_BEGINS=N measures N Begins
// and nothing else (for profiling Begin).

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Stats.h"
#include "TimingProbe.h"
#include "audio/Loudspeaker.h"
#include "core/game/Game.h"
#include "core/game/MatchAudience.h"
#include "qt/display/QtPictures.h"
#include "qt/files/GameDataFolder.h"
#include "qt/forms/OptionsForm.h"
#include "qt/forms/QtClock.h"
#include "qt/forms/QtEventPump.h"
#include "qt/forms/QtForms.h"
#include "qt/forms/QtTimer.h"

namespace {

struct Wiring {
  QtForms forms;
  QtTimer timer;
  QtPictures pictures;
  QtClock clock;
  QtEventPump pump;
  Game game{Ports{&forms, &timer, &pictures, &clock, &pump}};
  Loudspeaker loudspeaker{SoundFolder(GameDataFolder()).toStdString()};
  MatchAudience audience{game, {forms, loudspeaker, forms}};
};

// Opens the options form, waits for it to be up, presses Begin; returns when
// the match has closed.
void PlayOnce(Wiring& w, bench::TimingProbe& probe, const bench::TimingPlan& plan) {
  w.forms.ShowOptions();
  if (plan.fullMatch) w.forms.Options()->Box(TextBox::Text3)->setText(QStringLiteral("99"));
  QCoreApplication::processEvents();
  probe.BeginPressed(plan);
  w.forms.Options()->Begin()->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

void Report(const char* name, const std::vector<double>& samples, const char* target) {
  std::printf("%s   target: %s\n", bench::Describe(name, bench::Summarise(samples), "ms").c_str(),
              target);
}

}  // namespace

int main(int argc, char** argv) {
  const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
  const char* beginsAsked = std::getenv("GALLOWBY_BEGINS");
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  Wiring w;
  w.forms.Attach(w.game);
  bench::TimingProbe probe(w.game, w.forms);
  w.timer.OnTick([&probe] { probe.OnTick(); });

  // As main.cpp does; the player then looks at the panel for a second.
  w.forms.ShowOptions();
  w.pictures.Prefetch();
  QEventLoop reading;
  QTimer::singleShot(1000, &reading, &QEventLoop::quit);
  reading.exec();

  const int begins = beginsAsked ? std::atoi(beginsAsked) : quick ? 2 : 6;
  std::vector<double> beginToFrame, beginToFrameCpu;
  for (int i = 0; i < begins; ++i) {
    PlayOnce(w, probe, {0, 0, false});
    if (!probe.Results().beginToFirstFrameMs) continue;
    beginToFrame.push_back(*probe.Results().beginToFirstFrameMs);
    beginToFrameCpu.push_back(*probe.Results().beginToFirstFrameCpuMs);
  }
  if (!beginsAsked)
    PlayOnce(w, probe, quick ? bench::TimingPlan{120, 40, true} : bench::TimingPlan{});

  const auto& r = probe.Results();
  if (!beginToFrame.empty())
    std::printf("Begin to first frame, cold: %.1f ms (processor %.1f ms)\n", beginToFrame[0],
                beginToFrameCpu[0]);
  Report("Begin to frame", beginToFrame, "100 ms");
  Report("  of it processor", beginToFrameCpu, "");
  Report("tick interval at 16", r.intervalsAt16Ms, "mean 16 +- 0.08, p99 <= 18, max <= 32");
  Report("tick interval at 30", r.intervalsAt30Ms, "mean 30 +- 0.15, p99 <= 32, max <= 60");
  Report("key to paint at 16", r.keyToPaintMs, "p99 <= 17");
  std::printf("keys lost (break or match end): %d\n", r.keysLost);
  const bool measured = !beginToFrame.empty() &&
                        (beginsAsked || (!r.intervalsAt16Ms.empty() && !r.intervalsAt30Ms.empty() &&
                                         !r.keyToPaintMs.empty()));
  return measured ? 0 : 1;
}
