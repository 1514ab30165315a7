#pragma once
// The game's keys as platform-neutral virtual-key codes (Left 37, Z 90,
// keypad 1 = 97 ...): what the display's key events carry and what the key
// procedures compare with. The one list of them.

#include "core/model/Int16.h"

namespace key {
inline constexpr i16 kTab = 9, kEscape = 27, kSpace = 32;
inline constexpr i16 kLeft = 37, kUp = 38, kRight = 39, kDown = 40;
inline constexpr i16 kTopRowZero = 48;  // top-row digits 0..9 are 48..57
inline constexpr i16 kLetterA = 65;     // letters A..Z are 65..90
inline constexpr i16 kH = 72, kJ = 74, kK = 75, kM = 77, kN = 78, kR = 82, kX = 88, kZ = 90;
inline constexpr i16 kPadZero = 96;  // keypad digits 0..9 are 96..105
inline constexpr i16 kPad1 = 97, kPad2 = 98, kPad3 = 99, kPad5 = 101;
}  // namespace key
