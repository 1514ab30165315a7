#pragma once
// Watches a real running match keep time, with timestamps taken where things
// happen: at the start of every tick, when a key event reaches the display,
// and at the end of every paint of the display. A player at the keyboard (key
// events posted to the display at random moments) bowls each ball, ends the
// innings break and taps Z or X to move the batsman, holding each key until
// the batsman has moved on screen.
//
// One match, in three parts: ticks at the design values (16 ms apart), Tab
// pressed and released, then ticks 30 ms apart; then Escape ends the match.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>
#include <random>
#include <vector>

class Game;
class QtForms;
class QWidget;

namespace bench {

struct TimingPlan {
  int intervalsAt16 = 1800;  // intervals measured at the design period
  int intervalsAt30 = 600;   // and after Tab's release
  bool fullMatch = true;     // false: end the match at its first frame
};

struct TimingResults {
  std::vector<double> intervalsAt16Ms, intervalsAt30Ms;
  std::vector<double> keyToPaintMs;
  int keysLost = 0;  // presses whose move never showed (innings break, match end)
  std::optional<double> beginToFirstFrameMs;
  std::optional<double> beginToFirstFrameCpuMs;  // of that, the time the game was running
};

class TimingProbe : public QObject {
 public:
  TimingProbe(Game& game, const QtForms& forms);

  // Before Begin is pressed: starts the clock for Begin to the first frame.
  void BeginPressed(const TimingPlan& plan);
  // The timer's handler: stamps the tick, then runs the game's tick.
  void OnTick();
  const TimingResults& Results() const { return results_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Phase { At16, TabHeld, At30, Ending };
  double Now() const { return static_cast<double>(clock_.nsecsElapsed()) / 1e6; }
  static double CpuMs();
  void Watch();
  void StampInterval(double now);
  void NextPhase();
  void AfterTick();
  void OnKeyArrived(int key);
  void OnPainted(double now);
  void Act();
  void Post(int key, bool press, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void Tap(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void ReleaseBatKey();

  Game& game_;
  const QtForms& forms_;  // the display widget stands on the options form
  TimingPlan plan_;
  TimingResults results_;
  QElapsedTimer clock_;
  QPointer<QWidget> display_;
  QTimer player_;
  std::mt19937 random_{20240601};
  Phase phase_ = Phase::At16;
  std::optional<double> lastTick_;
  bool ticked_ = false;  // a tick has drawn a frame since Begin
  double beganAt_ = 0;
  double cpuAtBegin_ = 0;

  // One quick-key measurement at a time.
  int heldKey_ = 0;
  double keyAt_ = 0;
  int batsmanXAtKey_ = 0;
  bool keyArrived_ = false, moveDrawn_ = false;
};

}  // namespace bench
