#pragma once

// The message loop, from inside the Begin handler: handles the pending events,
// waiting for at least one, then returns so the handler can test QuitGame.
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void YieldToEvents() = 0;
};
