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
#include "qt/forms/OptionsLayout.h"
#include "qt/forms/ResultDialog.h"
#include "qt/scorecard/ScorecardWindow.h"

namespace {

// How much the window manager's frame adds round a window's own area. A window
// not yet shown has no frame of its own: the game window's shows what it will get.
QMargins FrameOf(const QWidget& window) {
  const QRect frame = window.frameGeometry(), inside = window.geometry();
  return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
          frame.bottom() - inside.bottom()};
}

void PlaceFrame(QWidget& window, const QRect& frame, const QMargins& margins) {
  window.resize(frame.size().shrunkBy(margins));
  window.move(frame.topLeft());
}

places::GameWindow GameWindowOf(const OptionsForm& form) {
  const QPoint origin = form.mapToGlobal(QPoint(0, 0));
  const QRect stage(origin + QPoint(layout::kFormWidth, 0),
                    QSize(form.width() - layout::kFormWidth, form.height()));
  const QScreen* screen = form.screen();
  return {form.frameGeometry(), stage, screen ? screen->availableGeometry() : form.frameGeometry()};
}

}  // namespace

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
  QObject::connect(form, &OptionsForm::matchesClicked, form, [this] {
    if (matchesClicked_) matchesClicked_();
  });
  QObject::connect(form, &OptionsForm::networkClicked, form, [this] {
    if (network_) network_();
  });
  QObject::connect(form, &OptionsForm::fieldKeyboard, form, [this](bool has) {
    if (fieldKeyboard_) fieldKeyboard_(has);
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
  NoteGameWindow();
  if (options_) options_->hide();
}

// Where the game window stands while it is shown: at the end of the match it
// is hidden before the result appears, and the result keeps clear of it still.
void QtForms::NoteGameWindow() {
  if (!options_ || !options_->isVisible()) return;
  gameWindow_ = GameWindowOf(*options_);
  frame_ = FrameOf(*options_);
}

void QtForms::UnloadOptions() {
  OptionsForm* form = options_;
  options_ = nullptr;
  if (form) form->close();  // deletes itself once back in the event loop
}

void QtForms::SetBeginEnabled(bool enabled) {
  if (!options_) return;
  options_->Begin()->setEnabled(enabled);
  options_->Matches()->setEnabled(enabled);  // the records wait for the match to end
  options_->Network()->setEnabled(enabled);
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
  PlaceResult();
  result_->show();
  result_->raise();
  result_->activateWindow();
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

void QtForms::ShowScorecard(const scorecard::InningsRecord& first,
                            const scorecard::InningsRecord& second, const std::string& team1,
                            const std::string& team2, bool matchOver) {
  if (!scorecard_) scorecard_ = new ScorecardWindow;
  scorecard_->SetRecord(first, second, QString::fromStdString(team1),
                        QString::fromStdString(team2));
  PlaceScorecard();
  if (matchOver)
    scorecard_->ShowBothInnings();
  else
    scorecard_->ShowFirstInnings();
}

// Beside the game window, never over the field or its strip (WindowPlaces.h);
// at the end of the match, beside where the game window was.
void QtForms::PlaceScorecard() {
  NoteGameWindow();
  if (!scorecard_ || !gameWindow_) return;
  const QSize full(ScorecardWindow::kWidth, ScorecardWindow::kHeight);
  const QSize least(ScorecardWindow::kLeastWidth, ScorecardWindow::kLeastHeight);
  PlaceFrame(*scorecard_,
             places::Scorecard(*gameWindow_, full.grownBy(frame_), least.grownBy(frame_)), frame_);
}

// Clear of the scorecard and of where the field was.
void QtForms::PlaceResult() {
  if (!result_ || !gameWindow_) return;
  const QRect card = scorecard_ && scorecard_->isVisible() ? scorecard_->frameGeometry() : QRect();
  const QSize dialog = result_->size().grownBy(frame_);
  PlaceFrame(*result_, places::Result(*gameWindow_, dialog, card), frame_);
}

void QtForms::CloseScorecard() {
  if (scorecard_) scorecard_->hide();
}
