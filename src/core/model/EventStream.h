#pragma once
// Carries the match's events to everyone listening, stamped with the tick they
// happened in. Listeners are told in the order they were added.

#include <vector>

#include "core/model/Events.h"

class EventStream {
 public:
  void Listen(EventListener& listener) { listeners_.push_back(&listener); }
  void StopListening(const EventListener& listener);

  // A new match: ticks count from 0 again.
  void StartMatch();
  void CloseMatch() const;
  // A timer tick of the match begins.
  void NextTick();
  int Tick() const { return tick_; }

  void Tell(GameEvent event) const;
  // A tick or a key has been handled.
  void Settled() const;

 private:
  std::vector<EventListener*> listeners_;
  int tick_ = 0;
};
