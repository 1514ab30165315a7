#pragma once
// Who may press what in a match shared by two machines. The host's player is
// Team1, who bats the first innings and bowls the second; the joining player
// the other way round. Each machine sends only the keys of the role its
// player holds; Tab (slow motion) from either, and at the innings break Space
// from either. A machine that sends another key has broken the rules.

#include "core/model/Int16.h"

namespace net {

enum class Role { Batting, Bowling };

constexpr Role RoleOf(bool host, bool firstInnings) {
  return host == firstInnings ? Role::Batting : Role::Bowling;
}

bool MayPress(Role role, i16 code, bool inningsBreak);

}  // namespace net
