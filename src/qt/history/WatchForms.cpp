#include "qt/history/WatchForms.h"

#include "core/ports/ChosenButtons.h"

void WatchForms::Select(Option option) {
  chosen::Choose(selected_, option);
}

std::string WatchForms::Text(TextBox box) const {
  const auto found = texts_.find(box);
  return found == texts_.end() ? DesignText(box) : found->second;
}
