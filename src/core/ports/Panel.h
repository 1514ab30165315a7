#pragma once
// The options panel as the rules read it: which option buttons are selected and
// what the text boxes hold, read live at the moment a rule needs them.

#include <string>

// The option buttons of the options panel, by their control names.
enum class Option {
  Option1,
  Option2,  // Game Type: "Human V CPU", "Human V Human"
  OptionBATe,
  OptionBATn,
  OptionBATh,  // Batting Difficulty
  OptionBOWLe,
  OptionBOWLn,
  OptionBOWLh,  // Bowling Difficulty ("Simulation" is h)
  CPUe,
  CPUn,
  CPUh,  // CPU AI
};

// The text boxes: team names, overs per innings, game delay.
enum class TextBox { Text1, Text2, Text3, Text4 };

// The check boxes: "Sound".
enum class CheckBox { chkSound };

// Read-only: a rule looks at the panel, it never changes it.
class Panel {
 public:
  virtual ~Panel() = default;
  // Read live from the panel; false / "" when the form is unloaded.
  virtual bool Value(Option option) const = 0;
  virtual std::string Text(TextBox box) const = 0;
  virtual bool Ticked(CheckBox box) const = 0;
};
