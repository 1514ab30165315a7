#include "qt/history/WatchForms.h"

namespace {
// Choosing a button of a frame unchooses the frame's others.
template <typename Buttons>
void ChooseIn(std::set<Option>& selected, const Buttons& frame, Option option) {
  bool inFrame = false;
  for (const auto& button : frame) inFrame = inFrame || button.control == option;
  if (!inFrame) return;
  for (const auto& button : frame) selected.erase(button.control);
}
}  // namespace

void WatchForms::Select(Option option) {
  ChooseIn(selected_, kGameTypeButtons, option);
  ChooseIn(selected_, kBattingButtons, option);
  ChooseIn(selected_, kBowlingButtons, option);
  ChooseIn(selected_, kComputerButtons, option);
  selected_.insert(option);
}

std::string WatchForms::Text(TextBox box) const {
  const auto found = texts_.find(box);
  return found == texts_.end() ? DesignText(box) : found->second;
}
