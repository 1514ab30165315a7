#pragma once
#include "core/model/Int16.h"
class Match;

// Key codes are the platform-neutral virtual-key codes (Left 37, Z 90, keypad 1 = 97 ...).
namespace key {
inline constexpr i16 kTab = 9, kEscape = 27, kSpace = 32;
inline constexpr i16 kLeft = 37, kUp = 38, kRight = 39, kDown = 40;
inline constexpr i16 kH = 72, kJ = 74, kK = 75, kM = 77, kN = 78, kX = 88, kZ = 90;
inline constexpr i16 kPad1 = 97, kPad2 = 98, kPad3 = 99, kPad5 = 101;
}  // namespace key

void KeyDown(Match& g, i16 keyCode);
void KeyUp(Match& g, i16 keyCode);
