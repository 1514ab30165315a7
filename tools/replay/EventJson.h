#pragma once
// One event of the match as a line of the replay driver's output:
// {"event":"ball_released","tick":12,"pace":0,"pitch_x":280,"pitch_y":190}

#include <string>

#include "core/model/Events.h"

std::string EventJson(const GameEvent& event);
