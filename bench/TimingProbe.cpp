#include "TimingProbe.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <ctime>

#include "core/game/Game.h"
#include "qt/forms/OptionsForm.h"
#include "qt/forms/QtForms.h"

namespace bench {

namespace {
constexpr int kTabHeldMs = 50;
constexpr int kGiveUpMs = 500;  // a press whose move has not shown by then is lost
constexpr int kCentreX = 300;   // the batsman's mark; keys walk him back towards it
}  // namespace

TimingProbe::TimingProbe(Game& game, const QtForms& forms) : game_(game), forms_(forms) {
  clock_.start();
  player_.setSingleShot(true);
  player_.setTimerType(Qt::PreciseTimer);
  connect(&player_, &QTimer::timeout, this, [this] { Act(); });
}

void TimingProbe::BeginPressed(const TimingPlan& plan) {
  plan_ = plan;
  phase_ = Phase::At16;
  lastTick_.reset();
  ticked_ = false;
  display_ = nullptr;
  heldKey_ = 0;
  keyArrived_ = moveDrawn_ = false;
  results_.beginToFirstFrameMs.reset();
  results_.beginToFirstFrameCpuMs.reset();
  beganAt_ = Now();
  cpuAtBegin_ = CpuMs();
}

// The processor time this thread has used: what Begin costs on an idle machine.
double TimingProbe::CpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void TimingProbe::OnTick() {
  const double now = Now();
  Watch();
  StampInterval(now);
  game_.Timer1_Timer();
  ticked_ = true;
  AfterTick();
}

// The display exists once Begin has made it; the first tick finds it beside
// the panel (the match draws on it through the instant replay's stand-in).
void TimingProbe::Watch() {
  if (display_) return;
  display_ = forms_.Options() ? forms_.Options()->Display() : nullptr;
  if (!display_) return;
  display_->installEventFilter(this);
  if (plan_.fullMatch) player_.start(40);
}

void TimingProbe::StampInterval(double now) {
  if (phase_ != Phase::At16 && phase_ != Phase::At30) return;
  auto& intervals = phase_ == Phase::At16 ? results_.intervalsAt16Ms : results_.intervalsAt30Ms;
  if (lastTick_) intervals.push_back(now - *lastTick_);
  lastTick_ = now;
  const int wanted = phase_ == Phase::At16 ? plan_.intervalsAt16 : plan_.intervalsAt30;
  if (plan_.fullMatch && static_cast<int>(intervals.size()) >= wanted) NextPhase();
}

void TimingProbe::NextPhase() {
  ReleaseBatKey();
  if (phase_ == Phase::At16) {
    phase_ = Phase::TabHeld;
    Post(Qt::Key_Tab, true);
    QTimer::singleShot(kTabHeldMs, this, [this] {
      Post(Qt::Key_Tab, false);
      phase_ = Phase::At30;
      lastTick_.reset();
    });
    return;
  }
  phase_ = Phase::Ending;
  player_.stop();
  Tap(Qt::Key_Escape);
}

void TimingProbe::AfterTick() {
  if (!keyArrived_ || moveDrawn_) return;
  const MatchState& s = game_.S;
  if (s.InningsBreak || s.QuitGame || Now() - keyAt_ > kGiveUpMs) {
    ++results_.keysLost;
    ReleaseBatKey();
  } else if (s.BatsmanX != batsmanXAtKey_) {
    moveDrawn_ = true;  // this tick's frame shows him moved; the next paint puts it on screen
  }
}

bool TimingProbe::eventFilter(QObject* watched, QEvent* event) {
  if (watched != display_) return false;
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!key->isAutoRepeat()) OnKeyArrived(key->key());
    return false;
  }
  if (event->type() != QEvent::Paint) return false;
  // Let the widget paint, then stamp the end of its paint.
  static_cast<QObject*>(display_)->event(event);
  OnPainted(Now());
  return true;
}

void TimingProbe::OnKeyArrived(int key) {
  if (key != heldKey_ || keyArrived_) return;
  keyAt_ = Now();
  batsmanXAtKey_ = game_.S.BatsmanX;
  keyArrived_ = true;
}

void TimingProbe::OnPainted(double now) {
  if (ticked_ && !results_.beginToFirstFrameMs) {
    results_.beginToFirstFrameMs = now - beganAt_;
    results_.beginToFirstFrameCpuMs = CpuMs() - cpuAtBegin_;
    if (!plan_.fullMatch) Tap(Qt::Key_Escape);
  }
  if (!moveDrawn_) return;
  results_.keyToPaintMs.push_back(now - keyAt_);
  ReleaseBatKey();
}

// The player: every 35 to 95 ms, bowls if the ball is waiting, ends the
// innings break, or presses Z or X to walk the batsman back to his mark.
void TimingProbe::Act() {
  const MatchState& s = game_.S;
  if (phase_ == Phase::TabHeld || phase_ == Phase::Ending) return;
  if (s.InningsBreak) {
    Tap(Qt::Key_Space);
  } else if (!s.RunUpStarted && !s.BallBowled) {
    Tap(Qt::Key_5, Qt::KeypadModifier);
  } else if (!heldKey_ && phase_ == Phase::At16) {
    heldKey_ = s.BatsmanX >= kCentreX ? Qt::Key_Z : Qt::Key_X;
    Post(heldKey_, true);
  }
  player_.start(std::uniform_int_distribution<int>(35, 95)(random_));
}

void TimingProbe::Post(int key, bool press, Qt::KeyboardModifiers modifiers) {
  if (!display_) return;
  const auto type = press ? QEvent::KeyPress : QEvent::KeyRelease;
  QCoreApplication::postEvent(display_, new QKeyEvent(type, key, modifiers));
}

void TimingProbe::Tap(int key, Qt::KeyboardModifiers modifiers) {
  Post(key, true, modifiers);
  Post(key, false, modifiers);
}

void TimingProbe::ReleaseBatKey() {
  if (heldKey_) Post(heldKey_, false);
  heldKey_ = 0;
  keyArrived_ = moveDrawn_ = false;
}

}  // namespace bench
