#pragma once
// The options panel as it stood at one moment, and the replay script's lines
// that set a panel to it: `select` for each button chosen and a ticked box,
// `unselect` for an unticked box, `text` for each box's text.

#include <array>
#include <string>
#include <vector>

#include "core/ports/Panel.h"

class PanelSnapshot {
 public:
  static PanelSnapshot Of(const Panel& panel);

  // The lines that set every control (no `before`), or only those changed since `before`.
  std::vector<std::string> LinesFrom(const PanelSnapshot* before) const;

  friend bool operator==(const PanelSnapshot&, const PanelSnapshot&) = default;

 private:
  // Read at every tick, so kept by the controls' numbers, not their names.
  std::array<bool, 11> options_{};
  std::array<bool, 1> checks_{};
  std::array<std::string, 4> texts_;
};
