#pragma once
// Who plays each part in an innings. Against the computer the human bats the
// first innings and bowls the second; between two humans both keyboards are
// live all match. With no game type selected (an unloaded form) the computer
// bats the second innings but bowls no ball, and in the first innings nobody
// may bowl: the human's bowling keys are shut too.

#include "core/ports/Panel.h"

enum class Player { Human, Computer, Nobody };

struct InningsSides {
  Player batting;
  Player bowling;
};

constexpr InningsSides SidesOf(GameType game, bool firstInnings) {
  if (game == GameType::HumanVHuman) return {Player::Human, Player::Human};
  if (!firstInnings) return {Player::Computer, Player::Human};
  return {Player::Human, game == GameType::HumanVCpu ? Player::Computer : Player::Nobody};
}
