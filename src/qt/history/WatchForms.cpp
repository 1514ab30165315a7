#include "qt/history/WatchForms.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "core/ports/ChosenButtons.h"
#include "core/ports/ControlNames.h"
#include "qt/forms/OptionsForm.h"

namespace {

// A control that shows the match's setting and takes no click or key.
void Hold(QWidget* control) {
  control->setAttribute(Qt::WA_TransparentForMouseEvents);
  control->setFocusPolicy(Qt::NoFocus);
}

}  // namespace

void WatchForms::HoldShownPanel() {
  OptionsForm* form = shown_.Options();
  if (!form) return;
  for (const auto& [name, option] : OptionNames()) Hold(form->Button(option));
  for (const auto& [name, box] : TextNames()) Hold(form->Box(box));
  for (const auto& [name, box] : CheckNames()) Hold(form->Check(box));
}

// The panel on screen shows the match's settings as the script sets them; the
// match reads them from here, so nothing the player does to it changes the match.
void WatchForms::Select(Option option) {
  chosen::Choose(selected_, option);
  if (OptionsForm* form = shown_.Options()) form->Button(option)->setChecked(true);
}

void WatchForms::SetText(TextBox box, const std::string& text) {
  texts_[box] = text;
  if (OptionsForm* form = shown_.Options()) form->Box(box)->setText(QString::fromStdString(text));
}

void WatchForms::SetTicked(bool on) {
  sound_ = on;
  if (OptionsForm* form = shown_.Options()) form->Check(CheckBox::chkSound)->setChecked(on);
}

std::string WatchForms::Text(TextBox box) const {
  const auto found = texts_.find(box);
  return found == texts_.end() ? DesignText(box) : found->second;
}
