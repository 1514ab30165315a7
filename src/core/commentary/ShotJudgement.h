#pragma once
// How the bat's judgement went, in words: the shot's timing and line against
// the danger of playing that shot at that ball, and what the shot earned.

#include <string>

#include "core/model/Outcome.h"

namespace commentary {

// "Drive, timing and line 9 against danger 2: clean hit", from the ShotPlayed
// event: the shot code, its timing and line, its danger and the outcome it earned.
std::string ShotJudgement(int shot, int timingLine, int danger, Outcome earned);

}  // namespace commentary
