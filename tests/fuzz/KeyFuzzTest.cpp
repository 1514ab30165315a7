// Random streams of key presses and releases, any key, any modifiers, with
// auto-repeat and the focus coming and going, sent as real QKeyEvents to the
// display of a running match: no crash, no run-time error, and once every key
// is up no held-key flag is left set.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <random>
#include <vector>

#include "QtMatch.h"

namespace {

using fuzz::QtMatch;

// A key on the keyboard: what Qt reports for it, and whether it sits on the keypad.
struct PhysicalKey {
  int qtKey;
  bool keypad;
  bool operator==(const PhysicalKey&) const = default;
};

std::vector<PhysicalKey> Keyboard() {
  std::vector<PhysicalKey> keys;
  for (int code = 0; code <= 255; ++code) keys.push_back({code, false});
  for (int code = Qt::Key_0; code <= Qt::Key_9; ++code) keys.push_back({code, true});
  const int specials[] = {Qt::Key_Escape,   Qt::Key_Tab,    Qt::Key_Backtab,  Qt::Key_Backspace,
                          Qt::Key_Return,   Qt::Key_Insert, Qt::Key_Delete,   Qt::Key_Home,
                          Qt::Key_End,      Qt::Key_Left,   Qt::Key_Up,       Qt::Key_Right,
                          Qt::Key_Down,     Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Shift,
                          Qt::Key_Control,  Qt::Key_Alt,    Qt::Key_Meta,     Qt::Key_NumLock,
                          Qt::Key_CapsLock, Qt::Key_F1,     Qt::Key_F12,      Qt::Key_Menu};
  for (int code : specials) keys.push_back({code, false});
  // The keypad with NumLock off, and its other keys.
  const int keypad[] = {Qt::Key_Insert, Qt::Key_End,      Qt::Key_Down,  Qt::Key_PageDown,
                        Qt::Key_Left,   Qt::Key_Clear,    Qt::Key_Right, Qt::Key_Home,
                        Qt::Key_Up,     Qt::Key_PageUp,   Qt::Key_Enter, Qt::Key_Plus,
                        Qt::Key_Minus,  Qt::Key_Asterisk, Qt::Key_Slash, Qt::Key_Period};
  for (int code : keypad) keys.push_back({code, true});
  return keys;
}

// Plays random key events into a match until `events` have been sent, starting
// a new match whenever one ends.
class KeyFuzzer {
 public:
  KeyFuzzer(QtMatch& match, unsigned seed) : m_(match), rng_(seed), keyboard_(Keyboard()) {}

  void Run(int events, Option gameType) {
    left_ = events;
    m_.pump.fallback = [this] { Step(); };
    while (left_ > 0) {
      if (!m_.forms.OptionsLoaded()) m_.forms.Load();
      m_.forms.Select(gameType);
      m_.forms.SetText(TextBox::Text3, "2");
      const long yieldsBefore = m_.pump.yields;
      m_.game.cmdBegin_Click();
      if (m_.pump.yields == yieldsBefore) {
        ADD_FAILURE() << "the match did not start";
        return;
      }
      ReleaseAll();
      EXPECT_EQ(m_.HeldFlags(), "") << "after the match closed";
      if (m_.forms.resultShown) m_.game.Command1_Click();
    }
  }

  int checkpoints = 0;

 private:
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

  Qt::KeyboardModifiers Modifiers(const PhysicalKey& key) {
    Qt::KeyboardModifiers modifiers;
    const Qt::KeyboardModifier optional[] = {Qt::ShiftModifier, Qt::ControlModifier,
                                             Qt::AltModifier, Qt::MetaModifier};
    for (auto modifier : optional)
      if (Between(0, 5) == 0) modifiers |= modifier;
    if (key.keypad) modifiers |= Qt::KeypadModifier;
    return modifiers;
  }

  // The keyboard sends to whichever widget has the focus.
  void Send(QEvent::Type type, const PhysicalKey& key, bool autoRepeat) {
    QWidget* target = QApplication::focusWidget();
    if (!target) target = m_.Display() ? static_cast<QWidget*>(m_.Display()) : m_.other;
    QKeyEvent event(type, key.qtKey, Modifiers(key), QString(), autoRepeat);
    QCoreApplication::sendEvent(target, &event);
  }

  void Press(const PhysicalKey& key) {
    held_.push_back(key);
    Send(QEvent::KeyPress, key, false);
  }

  void Release(std::size_t index) {
    const PhysicalKey key = held_[index];
    held_.erase(held_.begin() + static_cast<long>(index));
    Send(QEvent::KeyRelease, key, false);
  }

  void ReleaseAll() {
    while (!held_.empty()) Release(held_.size() - 1);
  }

  // Every key up: nothing may stay held.
  void Checkpoint() {
    ReleaseAll();
    ++checkpoints;
    EXPECT_EQ(m_.HeldFlags(), "") << "after releasing every key";
  }

  void ToggleFocus() {
    DisplayWidget* display = m_.Display();
    if (display && !display->hasFocus())
      display->setFocus();
    else
      m_.other->setFocus();
  }

  void Step();

  QtMatch& m_;
  std::mt19937 rng_;
  std::vector<PhysicalKey> keyboard_;
  std::vector<PhysicalKey> held_;
  int left_ = 0;
};

void KeyFuzzer::Step() {
  --left_;
  if (left_ <= 0) {
    Checkpoint();
    m_.Display()->setFocus();
    Send(QEvent::KeyPress, {Qt::Key_Escape, false}, false);
    return;
  }
  const int roll = Between(0, 99);
  const auto pick = [&] {
    return static_cast<std::size_t>(Between(0, static_cast<int>(held_.size()) - 1));
  };
  if (roll < 40) {
    if (m_.timer.Enabled()) m_.game.Timer1_Timer();
  } else if (roll < 65) {
    Press(keyboard_[static_cast<std::size_t>(Between(0, static_cast<int>(keyboard_.size()) - 1))]);
  } else if (roll < 85) {
    if (!held_.empty()) Release(pick());
  } else if (roll < 91) {
    if (held_.empty()) return;
    const PhysicalKey key = held_[pick()];  // the keyboard repeating a held key
    Send(QEvent::KeyRelease, key, true);
    Send(QEvent::KeyPress, key, true);
  } else if (roll < 94) {
    Send(QEvent::KeyRelease, keyboard_[static_cast<std::size_t>(Between(0, 300))], false);
  } else if (roll < 97) {
    ToggleFocus();
  } else if (roll < 98) {
    QApplication::processEvents();
  } else {
    Checkpoint();
  }
}

struct FuzzCase {
  Option gameType;
  Option bowling;
  unsigned seed;
};

constexpr FuzzCase kCases[] = {
    {Option::Option2, Option::OptionBOWLh, 1},
    {Option::Option2, Option::OptionBOWLn, 2},
    {Option::Option1, Option::OptionBOWLe, 3},
    {Option::Option1, Option::OptionBOWLh, 4},
};

constexpr int kEventsPerCase = 6000;

}  // namespace

TEST(KeyFuzz, AnyKeysInAnyOrderLeaveNothingHeldAndRaiseNoError) {
  static const fuzz::BitmapFolder folder;
  for (const FuzzCase& c : kCases) {
    QtMatch match(folder.Path());
    match.forms.Select(c.bowling);
    KeyFuzzer fuzzer(match, c.seed);
    fuzzer.Run(kEventsPerCase, c.gameType);
    EXPECT_TRUE(match.forms.messages.empty()) << match.forms.messages.front();
    EXPECT_GT(fuzzer.checkpoints, 20) << "seed " << c.seed;
    EXPECT_FALSE(match.game.MatchRunning());
  }
}

TEST(KeyFuzz, LosingTheFocusLetsGoOfEveryHeldKey) {
  static const fuzz::BitmapFolder folder;
  QtMatch match(folder.Path());
  const auto send = [&](QWidget* to, QEvent::Type type, int key, Qt::KeyboardModifiers mods = {}) {
    QKeyEvent event(type, key, mods, QString());
    QCoreApplication::sendEvent(to, &event);
  };
  const int heldKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                          Qt::Key_Down, Qt::Key_Z,     Qt::Key_X};
  match.pump.steps = {
      [&] {
        for (int key : heldKeys) send(match.Display(), QEvent::KeyPress, key, Qt::ShiftModifier);
        EXPECT_EQ(match.HeldFlags(), "LeftHeld RightHeld UpHeld DownHeld BatLeftHeld BatRightHeld");
        match.other->setFocus();
        EXPECT_EQ(match.HeldFlags(), "");
      },
      [&] {
        // Released while the text box has the keyboard; then back to the display.
        for (int key : heldKeys) send(match.other, QEvent::KeyRelease, key);
        match.Display()->setFocus();
        match.game.Timer1_Timer();
        EXPECT_EQ(match.HeldFlags(), "");
        send(match.Display(), QEvent::KeyPress, Qt::Key_Z);
        EXPECT_EQ(match.HeldFlags(), "BatLeftHeld");
        send(match.Display(), QEvent::KeyRelease, Qt::Key_Z);
        EXPECT_EQ(match.HeldFlags(), "");
      },
  };
  match.pump.fallback = [&] { send(match.Display(), QEvent::KeyPress, Qt::Key_Escape); };
  match.game.cmdBegin_Click();
  EXPECT_EQ(match.pump.next, 2u);
  EXPECT_TRUE(match.forms.messages.empty());
}
