#include "core/journal/PanelSnapshot.h"

#include "core/ports/ControlNames.h"

namespace {
template <typename Control>
std::size_t At(Control control) {
  return static_cast<std::size_t>(control);
}
}  // namespace

PanelSnapshot PanelSnapshot::Of(const Panel& panel) {
  PanelSnapshot snapshot;
  for (const auto& [name, option] : OptionNames())
    snapshot.options_.at(At(option)) = panel.Value(option);
  for (const auto& [name, box] : CheckNames()) snapshot.checks_.at(At(box)) = panel.Ticked(box);
  for (const auto& [name, box] : TextNames()) snapshot.texts_.at(At(box)) = panel.Text(box);
  return snapshot;
}

// A button's frame lets one button be chosen, so choosing the new one is the
// whole change; a button that went off only because another came on needs no line.
std::vector<std::string> PanelSnapshot::LinesFrom(const PanelSnapshot* before) const {
  std::vector<std::string> lines;
  for (const auto& [name, option] : OptionNames()) {
    const bool on = options_.at(At(option));
    if (on && !(before && before->options_.at(At(option)))) lines.push_back("select " + name);
  }
  for (const auto& [name, box] : CheckNames()) {
    const bool on = checks_.at(At(box));
    if (!before || before->checks_.at(At(box)) != on)
      lines.push_back((on ? "select " : "unselect ") + name);
  }
  for (const auto& [name, box] : TextNames()) {
    const std::string& text = texts_.at(At(box));
    if (!before || before->texts_.at(At(box)) != text) lines.push_back("text " + name + " " + text);
  }
  return lines;
}
