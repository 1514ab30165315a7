#include "core/model/EventStream.h"

#include <algorithm>

void EventStream::StopListening(const EventListener& listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), &listener), listeners_.end());
}

void EventStream::CloseMatch() const {
  for (EventListener* listener : listeners_) listener->OnMatchClosed();
}

void EventStream::StartMatch() {
  tick_ = 0;
  for (EventListener* listener : listeners_) listener->OnMatchStarted();
}

void EventStream::Settled() const {
  for (EventListener* listener : listeners_) listener->OnSettled();
}

void EventStream::NextTick() {
  ++tick_;
  for (EventListener* listener : listeners_) listener->OnTick(tick_);
}

void EventStream::Tell(GameEvent event) const {
  event.tick = tick_;
  for (EventListener* listener : listeners_) listener->OnEvent(event);
}
