#pragma once
// The options form frmSample: the key help on the left, the match settings and
// Begin on the right. While a match runs, the display sits to the right of the
// panel in the same window; the panel stays usable, and whatever the player
// changes on it takes effect at the game's next read. F11 then turns full
// screen on and off: the field and its strip grow by whole factors (Stage.h),
// and the panel stays as it is.

#include <QPointer>
#include <QWidget>
#include <functional>

#include "core/ports/Ports.h"

class CommentaryStrip;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class OptionsForm : public QWidget {
  Q_OBJECT

 public:
  explicit OptionsForm(QWidget* parent = nullptr);
  // A display still inside the form dies with it, and must not ask it to refit.
  ~OptionsForm() override;

  QRadioButton* Button(Option option) const;
  QLineEdit* Box(TextBox box) const;
  QPushButton* Begin() const { return begin_; }
  QPushButton* Matches() const { return matches_; }
  QPushButton* Network() const { return network_; }
  // While a network match is set up or played, the match's settings are the
  // host's: the boxes, the option buttons, Begin, Matches and Network take no input
  // ("Sound" stays this player's own).
  void LockMatchSettings(bool locked);
  QCheckBox* Check(CheckBox box) const { return box == CheckBox::chkSound ? sound_ : nullptr; }

  // Puts the match's display beside the panel, with the commentary strip under
  // it. The window widens to hold them while the display is shown and narrows
  // back (out of full screen) when it is hidden or gone.
  void AttachDisplay(QWidget* display);
  QWidget* Display() const { return display_; }
  CommentaryStrip* Strip() const { return strip_; }

  // Asked when the window is to close; returning true keeps it open.
  void SetCloseGuard(std::function<bool()> refuse) { refuseClose_ = std::move(refuse); }

 signals:
  void beginClicked();
  void matchesClicked();
  void networkClicked();
  // The field gained the keyboard, or lost it to another control of the form
  // (not to another window: the field has it again when this one returns).
  void fieldKeyboard(bool has);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLabelsAndOutlines();
  void BuildSettings();
  void BuildOptionGroups();
  void SetFocusOrder();
  void Refit();
  void PlaceDisplay();
  bool Playing() const;
  QRect Room() const;  // right of the panel
  void TellFocus(QEvent* event);
  void GiveTheFieldTheKeyboard();

  QPushButton* begin_ = nullptr;
  QPushButton* network_ = nullptr;
  QCheckBox* sound_ = nullptr;
  QPushButton* matches_ = nullptr;
  QLineEdit* texts_[4] = {};
  QRadioButton* options_[11] = {};
  QPointer<QWidget> display_;
  CommentaryStrip* strip_ = nullptr;
  std::function<bool()> refuseClose_;
};
