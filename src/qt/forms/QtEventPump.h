#pragma once
// The message loop as the Begin handler sees it: runs whatever events are
// waiting, sleeping until at least one arrives, then hands back so the handler
// can look at QuitGame. Between ticks the program uses no processor time.

#include "core/ports/Ports.h"

class QtEventPump : public EventPump {
 public:
  void YieldToEvents() override;
};
