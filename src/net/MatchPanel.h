#pragma once
// The host's panel as the match settings it sends, and those settings as the
// panel of each machine shows them: the host's Team1 is the host's player,
// Team2 the joining player's, and a network match is always "Human V Human".

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "core/ports/Panel.h"
#include "net/Protocol.h"

namespace net {

MatchSettings SettingsOfPanel(const Panel& panel);

struct PanelValues {
  std::vector<Option> selected;  // one button of each frame
  std::array<std::pair<TextBox, std::string>, 4> texts;
};
PanelValues PanelOf(const MatchSettings& settings);

}  // namespace net
