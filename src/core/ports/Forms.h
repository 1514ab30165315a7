#pragma once
// The options form and the result dialog, as the game loads, shows and hides them.

#include <memory>
#include <string>

#include "core/ports/Display.h"
#include "core/ports/Panel.h"

// The options form and the result dialog, as the game uses them.
class Forms : public Panel {
 public:
  virtual bool OptionsLoaded() const = 0;

  virtual void HideOptions() = 0;
  virtual void UnloadOptions() = 0;
  virtual void ShowOptions() = 0;  // loads a fresh form at its design values if unloaded
  virtual void SetBeginEnabled(bool enabled) = 0;
  // A new display component, placed on the options form and wired to `events`.
  virtual std::shared_ptr<DisplaySurface> NewDisplay(DisplayEvents& events) = 0;

  virtual void ShowResult(const std::string& line) = 0;  // the result dialog, saying `line`
  virtual void UnloadResult() = 0;
  // Exclamation icon, OK button, no title of its own.
  virtual void MessageBox(const std::string& text) = 0;
};
