#include "net/Roles.h"

#include <algorithm>
#include <array>

#include "core/input/KeyCodes.h"

namespace net {

namespace {

// Z and X move along the crease; Space, J, N, M, K and H play the shots.
constexpr std::array kBattingKeys{key::kZ, key::kX, key::kSpace, key::kJ,
                                  key::kN, key::kM, key::kK,     key::kH};
// The arrows steer the cursor; keypad 1, 2 and 3 choose the pace, 5 bowls.
constexpr std::array kBowlingKeys{key::kLeft, key::kUp,   key::kRight, key::kDown,
                                  key::kPad1, key::kPad2, key::kPad3,  key::kPad5};

template <std::size_t N>
bool Holds(const std::array<i16, N>& keys, i16 code) {
  return std::find(keys.begin(), keys.end(), code) != keys.end();
}

}  // namespace

bool MayPress(Role role, i16 code, bool inningsBreak) {
  if (code == key::kTab) return true;
  if (code == key::kSpace && inningsBreak) return true;
  return Holds(role == Role::Batting ? kBattingKeys : kBowlingKeys, code);
}

}  // namespace net
