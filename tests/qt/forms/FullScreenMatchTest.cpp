// F11 belongs to the window: a match played with full screen turned on and off
// (and the field painted twice as large meanwhile) is the same match, tick for
// tick, frame for frame and event for event, as one played without.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <string>
#include <vector>

#include "fakes/Fakes.h"
#include "qt/display/DisplayWidget.h"
#include "qt/display/QtPictures.h"
#include "qt/forms/OptionsForm.h"
#include "qt/forms/QtForms.h"
#include "qt/forms/ResultDialog.h"

namespace {

// What a match showed and told, tick by tick.
struct Played {
  std::vector<std::size_t> frames;  // a hash of each tick's frame
  std::vector<std::string> events;
  std::string result;
  std::vector<bool> fullScreen;  // after each F11
};

std::string Told(const GameEvent& e) {
  return std::string(EventName(e.kind)) + " " + std::to_string(e.tick) + " " +
         std::string(TextOf(e.outcome)) + " " + std::to_string(e.runs) + " " +
         std::to_string(e.pitchX) + "," + std::to_string(e.pitchY) + " " + std::to_string(e.shot) +
         " " + std::to_string(e.timingLine) + " " + e.result;
}

class MatchOnTheRealForms {
 public:
  MatchOnTheRealForms() {
    forms.Attach(game);
    game.Events.Listen(log);
    forms.ShowOptions();
    pump.fallback = [this] { game.CloseRequested(); };
  }
  ~MatchOnTheRealForms() {
    forms.UnloadResult();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // One ball an innings, "Human V Human": the bowler runs in twice, the
  // batsman steps right with X held through the run-up; `f11At` ticks get F11.
  Played Play(const std::vector<int>& f11At) {
    forms.Options()->Box(TextBox::Text3)->setText("0");
    Step([this] { Key(Qt::Key_5, true), Key(Qt::Key_5, false); });
    Step([this] { Key(Qt::Key_X, true); });
    for (int tick = 1; tick <= 300; ++tick) {
      Step([this] { Tick(); });
      for (int at : f11At)
        if (at == tick) Step([this] { F11(); });
      if (tick == 60) Step([this] { Key(Qt::Key_X, false); });
      if (tick == 130) Step([this] { Key(Qt::Key_Space, true), Key(Qt::Key_Space, false); });
      if (tick == 131) Step([this] { Key(Qt::Key_5, true), Key(Qt::Key_5, false); });
    }
    forms.Options()->Begin()->click();
    for (const GameEvent& e : log.heard) played.events.push_back(Told(e));
    if (forms.Result()) played.result = forms.Result()->Line()->text().toStdString();
    return played;
  }

 private:
  void Step(std::function<void()> step) { pump.steps.push_back(std::move(step)); }

  QWidget* Display() const { return forms.Options() ? forms.Options()->Display() : nullptr; }

  void Key(int key, bool down) {
    if (!Display()) return;
    QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(Display(), &event);
  }

  void Tick() {
    if (!game.MatchRunning()) return;
    game.Timer1_Timer();
    const auto* display = qobject_cast<const DisplayWidget*>(Display());
    if (display)
      played.frames.push_back(
          qHashBits(display->Frame().constBits(), display->Frame().sizeInBytes()));
  }

  // F11 as the player presses it on the field; while full screen the window
  // is made big enough for the field at twice its size, and painted.
  void F11() {
    Key(Qt::Key_F11, true);
    Key(Qt::Key_F11, false);
    OptionsForm* form = forms.Options();
    if (!form) return;
    played.fullScreen.push_back(form->isFullScreen());
    if (form->isFullScreen()) form->resize(624 + 1280, 1080);
    QCoreApplication::processEvents();
  }

  QtForms forms;
  fakes::ManualTimer timer;
  QtPictures pictures{QStringLiteral(GALLOWBY_ASSETS_DIR)};
  fakes::FixedClock clock;
  fakes::ScriptedPump pump;
  Game game{Ports{&forms, &timer, &pictures, &clock, &pump}};
  fakes::EventLog log;
  Played played;
};

TEST(FullScreen, F11ChangesNothingOfTheMatch) {
  const Played plain = MatchOnTheRealForms().Play({});
  const Played toggled = MatchOnTheRealForms().Play({20, 40, 100, 180});
  EXPECT_EQ(toggled.fullScreen, (std::vector<bool>{true, false, true, false}));
  ASSERT_GT(plain.frames.size(), 240u) << "both innings were played";
  EXPECT_EQ(toggled.frames, plain.frames);
  EXPECT_EQ(toggled.events, plain.events);
  EXPECT_EQ(toggled.result, plain.result);
}

}  // namespace
