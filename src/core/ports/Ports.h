#pragma once
// How the game reaches the world outside the core: the options form it reads and
// acts on, the tick timer, pictures on disk, the time of day, and the message
// loop it yields to while a match runs. Qt adapters implement these for play;
// fakes implement them for tests and the replay driver.

#include "core/ports/Clock.h"
#include "core/ports/EventPump.h"
#include "core/ports/Forms.h"
#include "core/ports/Pictures.h"
#include "core/ports/Timer.h"

struct Ports {
  Forms* forms = nullptr;
  Timer* timer = nullptr;
  Pictures* pictures = nullptr;
  Clock* clock = nullptr;
  EventPump* pump = nullptr;
};
