#include "qt/forms/OptionsForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "core/model/FieldGeometry.h"
#include "core/ports/Panel.h"
#include "qt/commentary/CommentaryStrip.h"
#include "qt/forms/CaptionFit.h"
#include "qt/forms/OptionsLayout.h"
#include "qt/forms/Stage.h"

namespace {

QRect Rect(const layout::Box& box) {
  return {box.left, box.top, box.width, box.height};
}

constexpr QRgb kSurround =
    0xff000000;  // round the field and the strip when they do not fill the room

// The desktop's plain sans-serif dialog face at the given size.
QFont DialogFont(const QWidget& form, double pointSize, bool bold = false) {
  QFont font = form.font();
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

int Index(Option option) {
  return static_cast<int>(option);
}
int Index(TextBox box) {
  return static_cast<int>(box);
}

}  // namespace

OptionsForm::OptionsForm(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmSample"));
  setWindowTitle(QString());
  setAttribute(Qt::WA_DeleteOnClose);
  QFont formFont = font();
  formFont.setStyleHint(QFont::SansSerif);
  formFont.setPointSizeF(layout::kFormPointSize);
  setFont(formFont);
  BuildLabelsAndOutlines();
  BuildSettings();
  BuildOptionGroups();
  SetFocusOrder();
  strip_ = new CommentaryStrip(this);
  strip_->hide();
  strip_->installEventFilter(this);
  Refit();
}

void OptionsForm::BuildLabelsAndOutlines() {
  for (const auto& item : layout::kLabels) {
    auto* label = new QLabel(QString::fromUtf8(item.caption), this);
    label->setObjectName(QString::fromUtf8(item.name));
    label->setGeometry(Rect(item.box));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (item.pointSize > 0) label->setFont(DialogFont(*this, item.pointSize, item.bold));
    NarrowToFit(*label, label->text(), CaptionRoom(*label));
  }
  for (const auto& item : layout::kShapes) {
    auto* shape = new QFrame(this);
    shape->setObjectName(QString::fromUtf8(item.name));
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setGeometry(Rect(item.box));
  }
  for (const auto& item : layout::kLines) {
    auto* line = new QFrame(this);
    line->setObjectName(QString::fromUtf8(item.name));
    line->setFrameStyle(QFrame::VLine | QFrame::Plain);
    line->setGeometry(Rect(item.box));
  }
}

void OptionsForm::BuildSettings() {
  for (const auto& item : layout::kTexts) {
    auto* text = new QLineEdit(QString::fromUtf8(DesignText(item.box)), this);
    text->setObjectName(QString::fromUtf8(item.name));
    text->setGeometry(Rect(item.where));
    if (item.pointSize > 0) text->setFont(DialogFont(*this, item.pointSize));
    texts_[Index(item.box)] = text;
  }
  begin_ = new QPushButton(QString::fromUtf8(layout::kBeginCaption), this);
  begin_->setObjectName(QString::fromUtf8(layout::kBeginName));
  begin_->setGeometry(Rect(layout::kBeginBox));
  begin_->setAutoDefault(false);
  connect(begin_, &QPushButton::clicked, this, &OptionsForm::beginClicked);
  network_ = new QPushButton(QString::fromUtf8(layout::kNetworkCaption), this);
  network_->setObjectName(QString::fromUtf8(layout::kNetworkName));
  network_->setGeometry(Rect(layout::kNetworkBox));
  network_->setAutoDefault(false);
  connect(network_, &QPushButton::clicked, this, &OptionsForm::networkClicked);
  sound_ = new QCheckBox(QString::fromUtf8(layout::kSoundCaption), this);
  sound_->setObjectName(QString::fromUtf8(layout::kSoundName));
  sound_->setGeometry(Rect(layout::kSoundBox));
  sound_->setChecked(true);
  matches_ = new QPushButton(QString::fromUtf8(layout::kMatchesCaption), this);
  matches_->setObjectName(QString::fromUtf8(layout::kMatchesName));
  matches_->setGeometry(Rect(layout::kMatchesBox));
  matches_->setAutoDefault(false);
  connect(matches_, &QPushButton::clicked, this, &OptionsForm::matchesClicked);
}

// The buttons of one frame are one group: picking one clears the others.
void OptionsForm::BuildOptionGroups() {
  QGroupBox* frames[std::size(layout::kFrames)] = {};
  for (std::size_t i = 0; i < std::size(layout::kFrames); ++i) {
    const auto& item = layout::kFrames[i];
    frames[i] = new QGroupBox(QString::fromUtf8(item.caption), this);
    frames[i]->setObjectName(QString::fromUtf8(item.name));
    frames[i]->setGeometry(Rect(item.box));
    NarrowToFit(*frames[i], frames[i]->title(), CaptionRoom(*frames[i]));
  }
  for (const auto& item : layout::kOptions) {
    auto* button = new QRadioButton(QString::fromUtf8(item.caption), frames[item.frame]);
    button->setObjectName(QString::fromUtf8(item.name));
    button->setFont(font());  // the form's, not the frame's (narrowed for its title)
    button->setGeometry(Rect(item.box));
    NarrowToFit(*button, button->text(), CaptionRoom(*button));
    button->setAutoExclusive(true);
    options_[Index(item.option)] = button;
  }
  for (Option option : kDesignSelection) Button(option)->setChecked(true);
}

// Begin first, then the three boxes, the option groups, and the game delay last.
void OptionsForm::SetFocusOrder() {
  std::vector<QWidget*> order = {begin_, Box(TextBox::Text1), Box(TextBox::Text2),
                                 Box(TextBox::Text3)};
  for (const auto& item : layout::kOptions) order.push_back(Button(item.option));
  order.push_back(Box(TextBox::Text4));
  order.push_back(sound_);
  order.push_back(matches_);
  order.push_back(network_);
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  begin_->setFocus(Qt::OtherFocusReason);
}

void OptionsForm::LockMatchSettings(bool locked) {
  for (QLineEdit* text : texts_) text->setReadOnly(locked);
  for (QRadioButton* button : options_) button->setEnabled(!locked);
  begin_->setEnabled(!locked);
  matches_->setEnabled(!locked);
  network_->setEnabled(!locked);
}

QRadioButton* OptionsForm::Button(Option option) const {
  return options_[Index(option)];
}

QLineEdit* OptionsForm::Box(TextBox box) const {
  return texts_[Index(box)];
}

// ---- the display beside the panel ----

OptionsForm::~OptionsForm() {
  if (display_) display_->disconnect(this);
}

void OptionsForm::AttachDisplay(QWidget* display) {
  display_ = display;
  display->setParent(this);
  display->installEventFilter(this);
  connect(display, &QObject::destroyed, this, [this] {
    display_ = nullptr;
    Refit();
  });
  Refit();
}

bool OptionsForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == display_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
    Refit();
  if (watched == display_) TellFocus(event);
  if (watched == strip_ && event->type() == QEvent::MouseButtonPress) GiveTheFieldTheKeyboard();
  return QWidget::eventFilter(watched, event);
}

bool OptionsForm::Playing() const {
  return display_ && !display_->isHidden();
}

QRect OptionsForm::Room() const {
  return {layout::kFormWidth, 0, width() - layout::kFormWidth, height()};
}

void OptionsForm::TellFocus(QEvent* event) {
  if (event->type() == QEvent::FocusIn) emit fieldKeyboard(true);
  if (event->type() != QEvent::FocusOut) return;
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
    emit fieldKeyboard(false);
}

// A click on the field, its strip or the dark round them gives the field the keyboard.
void OptionsForm::GiveTheFieldTheKeyboard() {
  if (display_) display_->setFocus(Qt::MouseFocusReason);
}

void OptionsForm::mousePressEvent(QMouseEvent* event) {
  if (Playing() && Room().contains(event->position().toPoint())) GiveTheFieldTheKeyboard();
  QWidget::mousePressEvent(event);
}

// F11 belongs to the window, not to the game: no key code of the match.
void OptionsForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_F11 || !Playing()) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (!event->isAutoRepeat()) setWindowState(windowState() ^ Qt::WindowFullScreen);
  event->accept();
}

void OptionsForm::paintEvent(QPaintEvent*) {
  if (Playing()) QPainter(this).fillRect(Room(), QColor::fromRgb(kSurround));
}

void OptionsForm::Refit() {
  const QSize panel(layout::kFormWidth, layout::kFormHeight);
  const bool playing = Playing();
  strip_->setVisible(playing);
  if (playing) {
    const QSize least(panel.width() + field::ScreenWidth,
                      std::max(panel.height(), field::ScreenHeight + CommentaryStrip::kHeight));
    setMinimumSize(least);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(size().expandedTo(least));
  } else {
    // The panel alone has one size: neither full screen nor maximised.
    setWindowState(windowState() & ~(Qt::WindowFullScreen | Qt::WindowMaximized));
    setFixedSize(panel);
  }
  PlaceDisplay();
  update();
}

void OptionsForm::PlaceDisplay() {
  const Stage stage = StageIn(Room());
  if (display_) display_->setGeometry(stage.field);
  strip_->setGeometry(stage.strip);
}

void OptionsForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceDisplay();
}

// During a match the close box asks the match to end instead of closing.
void OptionsForm::closeEvent(QCloseEvent* event) {
  if (refuseClose_ && refuseClose_()) {
    event->ignore();
    return;
  }
  event->accept();
}
