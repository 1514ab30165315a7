#pragma once
// The options panel's controls by their form names, as scripts name them: the
// replay driver reads these names and the match journal writes them.

#include <map>
#include <string>

#include "core/ports/Panel.h"

inline const std::map<std::string, Option>& OptionNames() {
  static const std::map<std::string, Option> names = {
      {"Option1", Option::Option1},
      {"Option2", Option::Option2},
      {"OptionBATe", Option::OptionBATe},
      {"OptionBATn", Option::OptionBATn},
      {"OptionBATh", Option::OptionBATh},
      {"OptionBOWLe", Option::OptionBOWLe},
      {"OptionBOWLn", Option::OptionBOWLn},
      {"OptionBOWLh", Option::OptionBOWLh},
      {"CPUe", Option::CPUe},
      {"CPUn", Option::CPUn},
      {"CPUh", Option::CPUh},
  };
  return names;
}

inline const std::map<std::string, CheckBox>& CheckNames() {
  static const std::map<std::string, CheckBox> names = {{"chkSound", CheckBox::chkSound}};
  return names;
}

inline const std::map<std::string, TextBox>& TextNames() {
  static const std::map<std::string, TextBox> names = {{"Text1", TextBox::Text1},
                                                       {"Text2", TextBox::Text2},
                                                       {"Text3", TextBox::Text3},
                                                       {"Text4", TextBox::Text4}};
  return names;
}
