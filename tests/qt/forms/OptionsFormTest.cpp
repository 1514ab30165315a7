#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "qt/commentary/CommentaryStrip.h"
#include "qt/display/DisplayWidget.h"
#include "qt/forms/CaptionFit.h"
#include "qt/forms/OptionsForm.h"

namespace {

QString CaptionOf(const QWidget* widget) {
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (auto* frame = qobject_cast<const QGroupBox*>(widget)) return frame->title();
  return {};
}

// Regression: with a wide desktop face, "Number Of Overs" lost its last letters.
TEST(OptionsForm, EveryCaptionFitsItsBoxWhole) {
  OptionsForm form;
  int captions = 0;
  for (const QWidget* widget : form.findChildren<QWidget*>()) {
    QString caption = CaptionOf(widget).trimmed();
    caption.remove(u'&');
    if (caption.isEmpty()) continue;
    ++captions;
    EXPECT_LE(QFontMetrics(widget->font()).horizontalAdvance(caption), CaptionRoom(*widget))
        << widget->objectName().toStdString();
  }
  EXPECT_GE(captions, 36);
}

TEST(OptionsForm, HasNoTitleAndTheDesignClientSize) {
  OptionsForm form;
  EXPECT_TRUE(form.windowTitle().isEmpty());
  EXPECT_EQ(form.size(), QSize(624, 465));
}

TEST(OptionsForm, FocusGoesBeginBoxesGroupsThenGameDelaySoundMatchesAndNetwork) {
  OptionsForm form;
  const char* expected[] = {"cmdBegin",    "Text1",       "Text2",      "Text3",      "Option1",
                            "Option2",     "OptionBATe",  "OptionBATn", "OptionBATh", "OptionBOWLe",
                            "OptionBOWLn", "OptionBOWLh", "CPUe",       "CPUn",       "CPUh",
                            "Text4",       "chkSound",    "cmdMatches", "cmdNetwork", "cmdBegin"};
  QWidget* at = form.Begin();
  for (const char* name : expected) {
    EXPECT_EQ(at->objectName(), QString::fromUtf8(name));
    do at = at->nextInFocusChain();
    while (!(at->focusPolicy() & Qt::TabFocus) || at == &form);
  }
}

TEST(OptionsForm, TheWindowWidensForTheDisplayAndNarrowsAfter) {
  OptionsForm form;
  form.show();
  auto* display = new QWidget;
  form.AttachDisplay(display);
  display->show();
  EXPECT_EQ(form.size(), QSize(624 + 640, 480 + CommentaryStrip::kHeight));
  EXPECT_EQ(display->geometry(), QRect(624, 0, 640, 480));
  // The commentary strip runs under the field, as wide as it.
  EXPECT_TRUE(form.Strip()->isVisible());
  EXPECT_EQ(form.Strip()->geometry(), QRect(624, 480, 640, CommentaryStrip::kHeight));
  display->hide();
  EXPECT_FALSE(form.Strip()->isVisible());
  EXPECT_EQ(form.size(), QSize(624, 465));
  display->show();
  delete display;
  EXPECT_EQ(form.size(), QSize(624, 465));
}

// Maximised or full screen, the field and its strip grow together by whole
// factors, centred in the room right of the panel; the panel stays put.
TEST(OptionsForm, TheFieldAndStripGrowByWholeFactorsCentred) {
  const struct {
    QSize window;
    QRect field, strip;
  } cases[] = {
      {{624 + 1296, 1080}, {632, 0, 1280, 960}, {632, 960, 1280, 120}},  // 1920 x 1080
      {{624 + 1296, 1050}, {952, 255, 640, 480}, {952, 735, 640, 60}},   // maximised under a title
      {{624 + 1920, 1620}, {624, 0, 1920, 1440}, {624, 1440, 1920, 180}},  // factor 3
      {{624 + 1000, 700}, {804, 80, 640, 480}, {804, 560, 640, 60}},
  };
  for (const auto& c : cases) {
    OptionsForm form;
    form.show();
    auto* display = new QWidget;
    form.AttachDisplay(display);
    display->show();
    form.resize(c.window);
    EXPECT_EQ(display->geometry(), c.field) << c.window.width() << "x" << c.window.height();
    EXPECT_EQ(form.Strip()->geometry(), c.strip);
    EXPECT_EQ(form.findChild<QLabel*>("Label1")->geometry().topLeft(), QPoint(168, 8));
    delete display;
  }
}

// Anything the field passes on to the match: a count of every call.
struct CountingEvents : DisplayEvents {
  void Display_KeyDown(i16, i16) override { ++heard; }
  void Display_KeyUp(i16, i16) override { ++heard; }
  void Display_TileSetLost(i16) override { ++heard; }
  int heard = 0;
};

void PressF11(QWidget* at, bool autoRepeat = false) {
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, Qt::Key_F11, Qt::NoModifier, QString(), autoRepeat);
    QCoreApplication::sendEvent(at, &event);
  }
}

// F11 on the field belongs to the window: it turns full screen on and off
// (a held F11 once), the match hears nothing of it, the key nor the field
// growing. Without a match it does nothing.
TEST(OptionsForm, F11OnTheFieldTurnsFullScreenAndTheMatchHearsNothing) {
  OptionsForm form;
  form.show();
  PressF11(&form);
  EXPECT_FALSE(form.isFullScreen()) << "no match";
  CountingEvents events;
  auto* display = new DisplayWidget(events);
  form.AttachDisplay(display);
  display->show();
  display->OpenDisplay();
  PressF11(display);
  EXPECT_TRUE(form.isFullScreen());
  PressF11(display, true);  // held down
  EXPECT_TRUE(form.isFullScreen());
  PressF11(display);
  QCoreApplication::processEvents();
  EXPECT_FALSE(form.isFullScreen());
  EXPECT_EQ(events.heard, 0);
  delete display;
}

}  // namespace

// "Sound" sits in free space: it overlaps no other control of the form, and
// starts ticked.
TEST(OptionsForm, TheSoundBoxTakesFreeSpaceAndStartsTicked) {
  OptionsForm form;
  QCheckBox* sound = form.Check(CheckBox::chkSound);
  ASSERT_NE(sound, nullptr);
  EXPECT_EQ(sound->objectName(), "chkSound");
  EXPECT_EQ(sound->text(), "Sound");
  EXPECT_TRUE(sound->isChecked());
  for (QWidget* other : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (other == sound || other->isHidden()) continue;
    const bool rule = other->width() <= 1;  // the two thin lines between the halves
    EXPECT_TRUE(rule || !other->geometry().intersects(sound->geometry()))
        << other->objectName().toStdString();
  }
}
