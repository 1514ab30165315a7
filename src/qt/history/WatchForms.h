#pragma once
// The forms of a match being watched: the game window and result dialog of a
// QtForms of its own, but the panel the kept script sets (the player's panel
// is not touched), and the field's keys go to the watcher, not the match.

#include <map>
#include <set>

#include "core/ports/Forms.h"
#include "qt/forms/QtForms.h"

class WatchForms : public Forms {
 public:
  WatchForms(QtForms& shown, DisplayEvents& keys) : shown_(shown), keys_(keys) {}

  // The options form's settings show the match's and take no click or key.
  void HoldShownPanel();
  // The script's panel, shown on the options form as it is set.
  void Select(Option option);
  void SetText(TextBox box, const std::string& text);
  void SetTicked(bool on);

  bool Value(Option option) const override { return selected_.count(option) > 0; }
  std::string Text(TextBox box) const override;
  bool Ticked(CheckBox) const override { return sound_; }

  bool OptionsLoaded() const override { return shown_.OptionsLoaded(); }
  void HideOptions() override { shown_.HideOptions(); }
  void UnloadOptions() override { shown_.UnloadOptions(); }
  void ShowOptions() override {}  // after the result: watching is over
  void SetBeginEnabled(bool enabled) override { shown_.SetBeginEnabled(enabled); }
  std::shared_ptr<DisplaySurface> NewDisplay(DisplayEvents&) override {
    return shown_.NewDisplay(keys_);
  }
  void ShowResult(const std::string& line) override { shown_.ShowResult(line); }
  void UnloadResult() override { shown_.UnloadResult(); }
  void MessageBox(const std::string& text) override { shown_.MessageBox(text); }

 private:
  QtForms& shown_;
  DisplayEvents& keys_;
  std::set<Option> selected_;
  std::map<TextBox, std::string> texts_;
  bool sound_ = true;
};
