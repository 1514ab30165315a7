#pragma once
// The options panel as the game reads it. Its controls keep their form names
// here and only here: the tables below say what each control means to the
// game, and the rules ask Settings (Settings.h) for those meanings, never for
// a control. The Qt form, the fakes and the replay driver name the controls.

#include <array>
#include <string>

// --- What the panel says, in the game's words ---

// "Game Type". None: no button of the frame is selected (an unloaded form).
enum class GameType { None, HumanVCpu, HumanVHuman };
// "Batting Difficulty" and "CPU AI". None: no button of the frame is selected.
enum class Difficulty { None, Easy, Normal, Hard };
// "Bowling Difficulty"; with "Simulation" the cursor sweeps down the pitch by
// itself. None: no button of the frame is selected.
enum class BowlingDifficulty { None, Easy, Normal, Simulation };

// --- The controls, by their form names ---

enum class Option {
  // Game Type
  Option1,
  Option2,
  // Batting Difficulty
  OptionBATe,
  OptionBATn,
  OptionBATh,
  // Bowling Difficulty
  OptionBOWLe,
  OptionBOWLn,
  OptionBOWLh,
  // CPU AI
  CPUe,
  CPUn,
  CPUh,
};
enum class TextBox { Text1, Text2, Text3, Text4 };
enum class CheckBox { chkSound };

// --- What each control means ---

// An option button and the choice it stands for within its frame; the frames'
// buttons are mutually exclusive.
template <typename Meaning>
struct OptionButton {
  Option control;
  Meaning meaning;
};

inline constexpr std::array<OptionButton<GameType>, 2> kGameTypeButtons{{
    {Option::Option1, GameType::HumanVCpu},    // "Human V CPU"
    {Option::Option2, GameType::HumanVHuman},  // "Human V Human"
}};
inline constexpr std::array<OptionButton<Difficulty>, 3> kBattingButtons{{
    {Option::OptionBATe, Difficulty::Easy},
    {Option::OptionBATn, Difficulty::Normal},
    {Option::OptionBATh, Difficulty::Hard},
}};
inline constexpr std::array<OptionButton<BowlingDifficulty>, 3> kBowlingButtons{{
    {Option::OptionBOWLe, BowlingDifficulty::Easy},
    {Option::OptionBOWLn, BowlingDifficulty::Normal},
    {Option::OptionBOWLh, BowlingDifficulty::Simulation},
}};
inline constexpr std::array<OptionButton<Difficulty>, 3> kComputerButtons{{
    {Option::CPUe, Difficulty::Easy},
    {Option::CPUn, Difficulty::Normal},
    {Option::CPUh, Difficulty::Hard},
}};

inline constexpr TextBox kTeam1Box = TextBox::Text1;       // "Team1 Name"
inline constexpr TextBox kTeam2Box = TextBox::Text2;       // "Team2 Name"
inline constexpr TextBox kOversBox = TextBox::Text3;       // "Number Of Overs", per innings
inline constexpr TextBox kDelayBox = TextBox::Text4;       // "Game Delay (ms)"
inline constexpr CheckBox kSoundBox = CheckBox::chkSound;  // "Sound"

// --- A freshly loaded form ---

// "Human V Human", "Normal" batting, "Simulation" bowling, "Normal" computer.
inline constexpr Option kDesignSelection[] = {Option::Option2, Option::OptionBATn,
                                              Option::OptionBOWLh, Option::CPUn};

// Each text box's design value: the two teams' names, one over, 1 ms.
inline const char* DesignText(TextBox box) {
  switch (box) {
    case TextBox::Text1:
      return "Team1";
    case TextBox::Text2:
      return "Team2";
    case TextBox::Text3:
      return "1";
    case TextBox::Text4:
      return "1";
  }
  return "";
}

// --- Reading it ---

// Read-only: the game looks at the panel, it never changes it.
class Panel {
 public:
  virtual ~Panel() = default;
  // Read live from the panel; false / "" when the form is unloaded.
  virtual bool Value(Option option) const = 0;
  virtual std::string Text(TextBox box) const = 0;
  virtual bool Ticked(CheckBox box) const = 0;
};
