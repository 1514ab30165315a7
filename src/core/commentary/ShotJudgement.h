#pragma once
// How the bat's judgement went, in words: the shot's timing and line against
// the danger of playing that shot at that ball, and what their margin did.

#include <string>

namespace commentary {

// What the bat did to the ball, by the shot and its margin (timing + line minus danger).
enum class Contact { Missed, Edged, Blocked, NoRun, One, Two, Three, Four };

Contact ContactOf(int shot, int margin);

// "Drive, timing and line 9 against danger 2: clean hit".
std::string ShotJudgement(int shot, int timingLine, int danger);

}  // namespace commentary
