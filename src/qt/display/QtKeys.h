#pragma once
// Qt's keys become the virtual-key codes the game's key handlers compare with
// (Left 37, Z 90, keypad 1 = 97 ...). Only the display widget sees QKeyEvent;
// everything past it speaks these codes.

#include <Qt>

#include "core/model/Int16.h"

namespace keycodes {

inline constexpr i16 kNone = 0;  // a key the game has no code for: not passed on

// The code of a key, whatever modifiers are held. A key of the numeric keypad
// gives its digit's keypad code (96 + digit) with NumLock on or off, never an
// arrow; the top-row digits 1, 2, 3 and 5 stand in for keypad 1, 2, 3 and 5 on
// keyboards without a keypad. Shift, Ctrl, Alt and Meta alone give kNone.
i16 VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers);

// The Shift argument of a key event: 1 Shift, 2 Ctrl, 4 Alt, added together.
i16 ShiftState(Qt::KeyboardModifiers modifiers);

}  // namespace keycodes
