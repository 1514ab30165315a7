#include <gtest/gtest.h>

#include "qt/display/QtKeys.h"

namespace {

using keycodes::VirtualKey;
constexpr auto kNone = Qt::NoModifier;
constexpr auto kPad = Qt::KeypadModifier;

struct KeyCase {
  int qtKey;
  Qt::KeyboardModifiers modifiers;
  int code;
  const char* what;
};

void ExpectCodes(const KeyCase* first, const KeyCase* last) {
  for (auto c = first; c != last; ++c)
    EXPECT_EQ(VirtualKey(c->qtKey, c->modifiers), c->code) << c->what;
}

TEST(KeyCodes, GameKeysGetTheirCodesWhateverModifiersAreHeld) {
  const KeyCase cases[] = {
      {Qt::Key_Left, kNone, 37, "Left"},
      {Qt::Key_Up, kNone, 38, "Up"},
      {Qt::Key_Right, kNone, 39, "Right"},
      {Qt::Key_Down, kNone, 40, "Down"},
      {Qt::Key_Escape, kNone, 27, "Esc"},
      {Qt::Key_Tab, kNone, 9, "Tab"},
      {Qt::Key_Backtab, Qt::ShiftModifier, 9, "Shift+Tab"},
      {Qt::Key_Space, kNone, 32, "Space"},
      {Qt::Key_A, kNone, 65, "A"},
      {Qt::Key_H, kNone, 72, "H"},
      {Qt::Key_Z, kNone, 90, "Z"},
      {Qt::Key_Z, Qt::ShiftModifier, 90, "Shift+Z"},
      {Qt::Key_X, Qt::ControlModifier, 88, "Ctrl+X"},
      {Qt::Key_N, Qt::AltModifier, 78, "Alt+N"},
      {Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier, 37, "Shift+Ctrl+Left"},
  };
  ExpectCodes(std::begin(cases), std::end(cases));
}

TEST(KeyCodes, KeypadGivesItsDigitWithNumLockOnOrOffNeverAnArrow) {
  const KeyCase cases[] = {
      // NumLock on: the digits, flagged as keypad.
      {Qt::Key_0, kPad, 96, "pad 0"},
      {Qt::Key_1, kPad, 97, "pad 1"},
      {Qt::Key_2, kPad, 98, "pad 2"},
      {Qt::Key_3, kPad, 99, "pad 3"},
      {Qt::Key_4, kPad, 100, "pad 4"},
      {Qt::Key_5, kPad, 101, "pad 5"},
      {Qt::Key_8, kPad, 104, "pad 8"},
      {Qt::Key_9, kPad, 105, "pad 9"},
      // NumLock off: the cursor keys printed under the digits.
      {Qt::Key_Insert, kPad, 96, "pad 0 as Insert"},
      {Qt::Key_End, kPad, 97, "pad 1 as End"},
      {Qt::Key_Down, kPad, 98, "pad 2 as Down"},
      {Qt::Key_PageDown, kPad, 99, "pad 3 as PgDn"},
      {Qt::Key_Left, kPad, 100, "pad 4 as Left"},
      {Qt::Key_Clear, kPad, 101, "pad 5 as Clear"},
      {Qt::Key_Right, kPad, 102, "pad 6 as Right"},
      {Qt::Key_Home, kPad, 103, "pad 7 as Home"},
      {Qt::Key_Up, kPad, 104, "pad 8 as Up"},
      {Qt::Key_PageUp, kPad, 105, "pad 9 as PgUp"},
      {Qt::Key_5, kPad | Qt::ShiftModifier, 101, "Shift+pad 5"},
  };
  ExpectCodes(std::begin(cases), std::end(cases));
}

TEST(KeyCodes, TopRowOneTwoThreeFiveStandInForTheKeypad) {
  const KeyCase cases[] = {
      {Qt::Key_1, kNone, 97, "1"},  {Qt::Key_2, kNone, 98, "2"}, {Qt::Key_3, kNone, 99, "3"},
      {Qt::Key_5, kNone, 101, "5"}, {Qt::Key_4, kNone, 52, "4"}, {Qt::Key_0, kNone, 48, "0"},
      {Qt::Key_9, kNone, 57, "9"},
  };
  ExpectCodes(std::begin(cases), std::end(cases));
}

TEST(KeyCodes, ModifiersAloneAndUnknownKeysAreNotPassedOn) {
  const KeyCase cases[] = {
      {Qt::Key_Shift, Qt::ShiftModifier, 0, "Shift"},
      {Qt::Key_Control, Qt::ControlModifier, 0, "Ctrl"},
      {Qt::Key_Alt, Qt::AltModifier, 0, "Alt"},
      {Qt::Key_Meta, Qt::MetaModifier, 0, "Meta"},
      {Qt::Key_F1, kNone, 0, "F1"},
      {Qt::Key_Enter, kPad, 0, "pad Enter"},
      {Qt::Key_Exclam, Qt::ShiftModifier, 0, "!"},
  };
  ExpectCodes(std::begin(cases), std::end(cases));
}

}  // namespace
