#pragma once
// The game's whole numbers are 16-bit: counters, positions, scores, key codes.
// Arithmetic into them never wraps; leaving -32768..32767 raises run-time error 6,
// exactly as a scorer's slate that has run out of room stops the game.

#include <cstdint>

#include "core/model/RuntimeError.h"

using i16 = std::int16_t;

namespace int16 {

// Stores a whole number into 16 bits, raising "Overflow" when it does not fit.
i16 Checked(long long value);

inline i16 Add(i16 a, i16 b) {
  return Checked(static_cast<long long>(a) + b);
}
inline i16 Sub(i16 a, i16 b) {
  return Checked(static_cast<long long>(a) - b);
}
inline i16 Mul(i16 a, i16 b) {
  return Checked(static_cast<long long>(a) * b);
}

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4), and stores it into 16 bits. Not-a-number overflows too.
i16 Round(double value);

// A tile number is handed to the display as a byte: 0..255, otherwise "Overflow".
std::uint8_t ToByte(long long value);

}  // namespace int16
