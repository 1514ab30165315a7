#pragma once
// The options form and result dialog of a replay: the scripted fake, writing a
// JSON line for every form action and message box.

#include <functional>
#include <string>

#include "fakes/Fakes.h"

class ReplayForms : public fakes::FakeForms {
 public:
  std::function<void(const std::string&)> writeLine;  // writes one JSON line

  void HideOptions() override;
  void UnloadOptions() override;
  void ShowOptions() override;
  void ShowResult(const std::string& line) override;
  void UnloadResult() override;
  void MessageBox(const std::string& text) override;
};
