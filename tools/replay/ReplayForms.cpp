#include "ReplayForms.h"

#include "Json.h"

namespace {
std::string FormLine(const char* form, const char* action) {
  return std::string("{\"form\": \"") + form + "\", \"do\": \"" + action + "\"}";
}
}  // namespace

void ReplayForms::HideOptions() {
  FakeForms::HideOptions();
  writeLine(FormLine("frmSample", "hide"));
}

void ReplayForms::UnloadOptions() {
  FakeForms::UnloadOptions();
  writeLine(FormLine("frmSample", "unload"));
}

void ReplayForms::ShowOptions() {
  const bool wasLoaded = loaded;
  FakeForms::ShowOptions();
  if (!wasLoaded) writeLine(FormLine("frmSample", "load"));
}

void ReplayForms::ShowResult(const std::string& line) {
  FakeForms::ShowResult(line);
  writeLine("{\"form\": \"Form1\", \"do\": \"show\", \"caption\": " + json::Quote(line) + "}");
}

void ReplayForms::UnloadResult() {
  FakeForms::UnloadResult();
  writeLine(FormLine("Form1", "unload"));
}

void ReplayForms::MessageBox(const std::string& text) {
  FakeForms::MessageBox(text);
  writeLine("{\"message\": " + json::Quote(text) + "}");
}
