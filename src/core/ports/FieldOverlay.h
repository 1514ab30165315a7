#pragma once
// Something shown over the field's picture and worked with keys of its own,
// beside the match rather than inside it (the instant replay). The game hands
// it each match's display to stand in front of, and offers it every key first.

#include <memory>

#include "core/model/Int16.h"
#include "core/ports/Display.h"

struct MatchState;

class FieldOverlay {
 public:
  virtual ~FieldOverlay() = default;
  // The display the match will draw on: `display` itself, or one in front of it.
  virtual std::shared_ptr<DisplaySurface> Wrap(std::shared_ptr<DisplaySurface> display) = 0;
  // A key pressed on the field, before the game hears it. True when the key was
  // the overlay's own and the game must not hear it.
  virtual bool KeyDown(i16 keyCode, const MatchState& state) = 0;
};
