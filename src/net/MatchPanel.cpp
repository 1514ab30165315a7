#include "net/MatchPanel.h"

#include "core/ports/Settings.h"

namespace net {

namespace {

// A frame's choice as a number: 1 for its first button, 0 for none.
template <typename Meaning, std::size_t N>
std::uint8_t ChoiceOf(const Panel& panel, const std::array<OptionButton<Meaning>, N>& buttons) {
  for (std::size_t i = 0; i < N; ++i)
    if (panel.Value(buttons[i].control)) return static_cast<std::uint8_t>(i + 1);
  return 0;
}

template <typename Meaning, std::size_t N>
void Choose(std::uint8_t choice, const std::array<OptionButton<Meaning>, N>& buttons,
            std::vector<Option>& selected) {
  if (choice >= 1 && choice <= N) selected.push_back(buttons[choice - 1].control);
}

}  // namespace

MatchSettings SettingsOfPanel(const Panel& panel) {
  MatchSettings m;
  const Settings settings(panel);
  m.team1 = settings.Team1();
  m.team2 = settings.Team2();
  m.overs = settings.OversText();
  m.gameDelay = settings.DelayText();
  m.batting = ChoiceOf(panel, kBattingButtons);
  m.bowling = ChoiceOf(panel, kBowlingButtons);
  m.computer = ChoiceOf(panel, kComputerButtons);
  return m;
}

PanelValues PanelOf(const MatchSettings& m) {
  PanelValues values;
  for (const auto& button : kGameTypeButtons)
    if (button.meaning == GameType::HumanVHuman) values.selected.push_back(button.control);
  Choose(m.batting, kBattingButtons, values.selected);
  Choose(m.bowling, kBowlingButtons, values.selected);
  Choose(m.computer, kComputerButtons, values.selected);
  values.texts = {
      {{kTeam1Box, m.team1}, {kTeam2Box, m.team2}, {kOversBox, m.overs}, {kDelayBox, m.gameDelay}}};
  return values;
}

}  // namespace net
