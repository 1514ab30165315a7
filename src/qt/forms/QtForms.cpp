#include "qt/forms/QtForms.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "core/game/Game.h"
#include "qt/commentary/CommentaryStrip.h"
#include "qt/display/DisplayWidget.h"
#include "qt/forms/OptionsForm.h"
#include "qt/forms/ResultDialog.h"
#include "qt/scorecard/ScorecardWindow.h"

QtForms::~QtForms() {
  delete options_.data();
  delete result_.data();
  delete scorecard_.data();
}

OptionsForm* QtForms::Options() const {
  return options_;
}

ResultDialog* QtForms::Result() const {
  return result_;
}

ScorecardWindow* QtForms::Scorecard() const {
  return scorecard_;
}

bool QtForms::Value(Option option) const {
  return options_ && options_->Button(option)->isChecked();
}

bool QtForms::Ticked(CheckBox box) const {
  return options_ && options_->Check(box)->isChecked();
}

std::string QtForms::Text(TextBox box) const {
  return options_ ? options_->Box(box)->text().toStdString() : std::string();
}

// A fresh form shows every control at its design value.
OptionsForm* QtForms::LoadOptions() {
  auto* form = new OptionsForm;
  form->SetCloseGuard([this] { return RefuseCloseDuringMatch(); });
  QObject::connect(form, &OptionsForm::beginClicked, form, [this] {
    if (game_) game_->cmdBegin_Click();
  });
  QCheckBox* sound = form->Check(CheckBox::chkSound);
  sound->setChecked(sound_);
  QObject::connect(sound, &QCheckBox::toggled, form, [this](bool on) {
    sound_ = on;
    if (soundTicked_) soundTicked_(on);
  });
  options_ = form;
  return form;
}

bool QtForms::RefuseCloseDuringMatch() {
  if (!game_ || !game_->MatchRunning()) return false;
  game_->CloseRequested();
  return true;
}

void QtForms::ShowOptions() {
  OptionsForm* form = options_ ? options_.data() : LoadOptions();
  form->show();
  form->raise();
  form->activateWindow();
}

void QtForms::HideOptions() {
  if (options_) options_->hide();
}

void QtForms::UnloadOptions() {
  OptionsForm* form = options_;
  options_ = nullptr;
  if (form) form->close();  // deletes itself once back in the event loop
}

void QtForms::SetBeginEnabled(bool enabled) {
  if (options_) options_->Begin()->setEnabled(enabled);
}

// The display lives in the options form; the game holds it until the match is
// closed, and letting go of it removes it from the window.
std::shared_ptr<DisplaySurface> QtForms::NewDisplay(DisplayEvents& events) {
  auto* display = new DisplayWidget(events);
  display->hide();
  if (options_) options_->AttachDisplay(display);
  const QPointer<DisplayWidget> guard(display);
  return std::shared_ptr<DisplaySurface>(display, [guard](DisplaySurface*) {
    if (guard) guard->deleteLater();
  });
}

void QtForms::ShowResult(const std::string& line) {
  if (!result_) {
    result_ = new ResultDialog;
    QObject::connect(result_, &ResultDialog::continueClicked, result_, [this] {
      if (game_) game_->Command1_Click();
    });
  }
  result_->SetLine(QString::fromStdString(line));
  result_->show();
  result_->raise();
  result_->activateWindow();
  PlaceScorecard();
}

// Continue takes the scorecard away with the result.
void QtForms::UnloadResult() {
  ResultDialog* dialog = result_;
  result_ = nullptr;
  if (dialog) dialog->close();
  CloseScorecard();
}

void QtForms::MessageBox(const std::string& text) {
  QMessageBox box(QMessageBox::Warning, QString(), QString::fromStdString(text), QMessageBox::Ok,
                  options_);
  box.exec();
}

void QtForms::ShowCommentary(const CommentaryLines& lines) {
  if (options_) options_->Strip()->SetLines(lines);
}

void QtForms::ShowScorecard(const scorecard::BallByBall& record, const std::string& team1,
                            const std::string& team2, bool matchOver) {
  if (!scorecard_) scorecard_ = new ScorecardWindow;
  scorecard_->SetRecord(record, QString::fromStdString(team1), QString::fromStdString(team2));
  if (matchOver)
    scorecard_->ShowBothInnings();
  else
    scorecard_->ShowFirstInnings();
  PlaceScorecard();
}

// At the end of the match the card stands to the right of the result dialog;
// at the break, to the right of the play if the screen has room there (else
// where the window manager puts it), so it never hides the field.
void QtForms::PlaceScorecard() {
  if (!scorecard_ || !scorecard_->isVisible()) return;
  if (result_ && result_->isVisible()) {
    scorecard_->move(result_->frameGeometry().topRight() + QPoint(8, 0));
    return;
  }
  if (!options_ || !options_->isVisible()) return;
  const QPoint beside = options_->frameGeometry().topRight() + QPoint(8, 0);
  const QScreen* screen = options_->screen();
  if (screen &&
      screen->availableGeometry().contains(QRect(beside, scorecard_->frameGeometry().size())))
    scorecard_->move(beside);
}

void QtForms::CloseScorecard() {
  if (scorecard_) scorecard_->hide();
}
