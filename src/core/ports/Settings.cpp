#include "core/ports/Settings.h"

namespace {

// The choice of the frame's selected button, or None when none is selected.
template <typename Meaning, std::size_t N>
Meaning Chosen(const Panel& panel, const std::array<OptionButton<Meaning>, N>& buttons) {
  for (const OptionButton<Meaning>& button : buttons)
    if (panel.Value(button.control)) return button.meaning;
  return Meaning::None;
}

}  // namespace

GameType Settings::Game() const {
  return Chosen(panel_, kGameTypeButtons);
}

Difficulty Settings::Batting() const {
  return Chosen(panel_, kBattingButtons);
}

BowlingDifficulty Settings::Bowling() const {
  return Chosen(panel_, kBowlingButtons);
}

Difficulty Settings::Computer() const {
  return Chosen(panel_, kComputerButtons);
}
