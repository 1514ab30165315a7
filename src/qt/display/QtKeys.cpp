#include "qt/display/QtKeys.h"

#include "core/input/KeyCodes.h"

namespace keycodes {
namespace {

using namespace key;

// With NumLock off a keypad key reports the cursor key printed under its digit.
struct PadKey {
  int qtKey;
  int digit;
};
constexpr PadKey kPadWithoutNumLock[] = {
    {Qt::Key_Insert, 0}, {Qt::Key_End, 1},    {Qt::Key_Down, 2},  {Qt::Key_PageDown, 3},
    {Qt::Key_Left, 4},   {Qt::Key_Clear, 5},  {Qt::Key_Right, 6}, {Qt::Key_Home, 7},
    {Qt::Key_Up, 8},     {Qt::Key_PageUp, 9},
};

// Top-row digits that also bowl: slow, fast-medium, fast, and run up.
constexpr int kTopRowStandIns[] = {1, 2, 3, 5};

// macOS counts the arrow block as part of the keypad and flags it so.
#ifdef Q_OS_MACOS
constexpr bool kArrowsCarryKeypadFlag = true;
#else
constexpr bool kArrowsCarryKeypadFlag = false;
#endif

bool IsArrow(int qtKey) {
  return qtKey == Qt::Key_Left || qtKey == Qt::Key_Right || qtKey == Qt::Key_Up ||
         qtKey == Qt::Key_Down;
}

i16 PadCode(int digit) {
  return static_cast<i16>(kPadZero + digit);
}

i16 KeypadKey(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return PadCode(qtKey - Qt::Key_0);
  for (const PadKey& pad : kPadWithoutNumLock)
    if (pad.qtKey == qtKey) return PadCode(pad.digit);
  return kNone;
}

i16 TopRowDigit(int digit) {
  for (int standIn : kTopRowStandIns)
    if (standIn == digit) return PadCode(digit);
  return static_cast<i16>(kTopRowZero + digit);
}

i16 MainKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Left:
      return kLeft;
    case Qt::Key_Up:
      return kUp;
    case Qt::Key_Right:
      return kRight;
    case Qt::Key_Down:
      return kDown;
    case Qt::Key_Escape:
      return kEscape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return kTab;  // Shift+Tab is still Tab
    case Qt::Key_Space:
      return kSpace;
    default:
      break;
  }
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
    return static_cast<i16>(kLetterA + qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return TopRowDigit(qtKey - Qt::Key_0);
  return kNone;
}

}  // namespace

i16 VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers) {
  const bool fromKeypad =
      modifiers.testFlag(Qt::KeypadModifier) && !(kArrowsCarryKeypadFlag && IsArrow(qtKey));
  if (fromKeypad) {
    const i16 pad = KeypadKey(qtKey);
    if (pad != kNone) return pad;
  }
  return MainKey(qtKey);
}

i16 ShiftState(Qt::KeyboardModifiers modifiers) {
  i16 state = 0;
  if (modifiers.testFlag(Qt::ShiftModifier)) state |= 1;
  if (modifiers.testFlag(Qt::ControlModifier)) state |= 2;
  if (modifiers.testFlag(Qt::AltModifier)) state |= 4;
  return state;
}

}  // namespace keycodes
