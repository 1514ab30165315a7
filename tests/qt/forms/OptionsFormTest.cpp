#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "qt/commentary/CommentaryStrip.h"
#include "qt/forms/CaptionFit.h"
#include "qt/forms/OptionsForm.h"

namespace {

// The form as the player sees it: name, caption, position in the form (option
// buttons: in their frame), point size (0: the form's own 8.25).
struct Control {
  const char* name;
  const char* caption;
  int left, top, width, height;
  double points;
  bool bold;
};

constexpr Control kControls[] = {
    {"Label1", "Gallowby", 168, 8, 305, 41, 24, false},
    {"Label2(0)", "CONTROLS", 88, 64, 121, 25, 13.5, false},
    {"Label12", "Batting Controls", 88, 104, 113, 17, 8.25, true},
    {"Label4", "Batting Cursor Left - Z", 16, 136, 113, 17, 0, false},
    {"Label5", "Batting Cursor Right - X", 152, 136, 113, 17, 0, false},
    {"Label10", "Square Cut - H", 32, 192, 73, 17, 0, false},
    {"Label11", "Hook - K", 192, 192, 49, 17, 0, false},
    {"Label6", "Defensive Shot - Space", 88, 216, 113, 17, 0, false},
    {"Label7", "Off, Straight, On Drive - N", 32, 240, 121, 17, 0, false},
    {"Label9", "Leg Glance - M", 176, 240, 81, 17, 0, false},
    {"Label14", "Bowling Controls", 88, 288, 113, 17, 8.25, true},
    {"Label13", "Move Bowling Cursor - Arrow Keys", 48, 312, 185, 17, 0, false},
    {"Label15", "Start Run Up/Chose Spot - NumPad 5 ", 48, 328, 185, 17, 0, false},
    {"Label16(0)", "Slow Ball - NumPad 1 ", 48, 344, 185, 17, 0, false},
    {"Label16(1)", "Fast/Medium Ball - NumPad 2 ", 48, 360, 185, 17, 0, false},
    {"Label16(2)", "Fast Ball - NumPad 3", 48, 376, 185, 17, 0, false},
    {"Label3", "OPTIONS", 400, 64, 121, 25, 13.5, false},
    {"Label2(1)", "Team1 Name", 352, 104, 137, 25, 13.5, false},
    {"Text1", "Team1", 480, 104, 137, 27, 12, false},
    {"Label2(2)", "Team2 Name", 352, 144, 145, 25, 13.5, false},
    {"Text2", "Team2", 480, 144, 137, 27, 12, false},
    {"Label2(3)", "Number Of Overs", 352, 192, 153, 25, 13.5, false},
    {"Text3", "1", 528, 192, 41, 27, 12, false},
    {"Frame1", "Game Type", 344, 224, 241, 49, 0, false},
    {"Option1", "Human V CPU", 8, 16, 97, 25, 0, false},
    {"Option2", "Human V Human", 120, 16, 113, 25, 0, false},
    {"Frame2", "Batting Difficulty", 344, 296, 97, 97, 0, false},
    {"OptionBATe", "Easy", 16, 24, 73, 17, 0, false},
    {"OptionBATn", "Normal", 16, 48, 65, 17, 0, false},
    {"OptionBATh", "Hard", 16, 72, 65, 17, 0, false},
    {"Frame3", "Bowling Difficulty", 440, 296, 97, 97, 0, false},
    {"OptionBOWLe", "Easy", 8, 24, 73, 17, 0, false},
    {"OptionBOWLn", "Normal", 8, 40, 81, 33, 0, false},
    {"OptionBOWLh", "Simulation", 8, 72, 89, 17, 0, false},
    {"Frame4", "CPU AI", 536, 296, 81, 97, 0, false},
    {"CPUe", "Easy", 8, 24, 57, 17, 0, false},
    {"CPUn", "Normal", 8, 48, 65, 17, 0, false},
    {"CPUh", "Hard", 8, 72, 57, 17, 0, false},
    {"cmdBegin", "&Begin", 272, 416, 89, 25, 0, false},
    {"Label8", "Game Delay (ms)", 432, 424, 81, 17, 0, false},
    {"Text4", "1", 520, 424, 41, 19, 0, false},
    {"Shape1", "", 16, 96, 273, 177, 0, false},
    {"Shape2", "", 16, 280, 273, 121, 0, false},
};

QString CaptionOf(const QWidget* widget) {
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (auto* text = qobject_cast<const QLineEdit*>(widget)) return text->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (auto* frame = qobject_cast<const QGroupBox*>(widget)) return frame->title();
  return {};
}

TEST(OptionsForm, EveryControlSitsWhereTheDesignPutsItAndSaysWhatItShould) {
  OptionsForm form;
  for (const Control& c : kControls) {
    const auto* widget = form.findChild<QWidget*>(QString::fromUtf8(c.name));
    ASSERT_NE(widget, nullptr) << c.name;
    EXPECT_EQ(CaptionOf(widget), QString::fromUtf8(c.caption)) << c.name;
    EXPECT_EQ(widget->geometry(), QRect(c.left, c.top, c.width, c.height)) << c.name;
    EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), c.points > 0 ? c.points : 8.25) << c.name;
    EXPECT_EQ(widget->font().bold(), c.bold) << c.name;
  }
}

// Regression: with a wide desktop face, "Number Of Overs" lost its last letters.
TEST(OptionsForm, EveryCaptionFitsItsBoxWhole) {
  OptionsForm form;
  for (const Control& c : kControls) {
    const auto* widget = form.findChild<QWidget*>(QString::fromUtf8(c.name));
    if (qobject_cast<const QLineEdit*>(widget) || !*c.caption) continue;
    QString caption = CaptionOf(widget).trimmed();
    caption.remove(u'&');
    EXPECT_LE(QFontMetrics(widget->font()).horizontalAdvance(caption), CaptionRoom(*widget))
        << c.name;
  }
}

TEST(OptionsForm, HasNoTitleAndTheDesignClientSize) {
  OptionsForm form;
  EXPECT_TRUE(form.windowTitle().isEmpty());
  EXPECT_EQ(form.size(), QSize(624, 465));
}

TEST(OptionsForm, OptionButtonsBelongToTheirFramesWithTheDesignSelections) {
  OptionsForm form;
  const struct {
    Option option;
    const char* frame;
    bool selected;
  } cases[] = {
      {Option::Option1, "Frame1", false},     {Option::Option2, "Frame1", true},
      {Option::OptionBATe, "Frame2", false},  {Option::OptionBATn, "Frame2", true},
      {Option::OptionBATh, "Frame2", false},  {Option::OptionBOWLe, "Frame3", false},
      {Option::OptionBOWLn, "Frame3", false}, {Option::OptionBOWLh, "Frame3", true},
      {Option::CPUe, "Frame4", false},        {Option::CPUn, "Frame4", true},
      {Option::CPUh, "Frame4", false},
  };
  for (const auto& c : cases) {
    QRadioButton* button = form.Button(c.option);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->parentWidget()->objectName(), QString::fromUtf8(c.frame)) << c.frame;
    EXPECT_EQ(button->isChecked(), c.selected) << button->objectName().toStdString();
  }
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
