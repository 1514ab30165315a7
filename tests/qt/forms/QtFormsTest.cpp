#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include "core/ports/Panel.h"
#include "core/scorecard/BallByBall.h"
#include "fakes/Fakes.h"
#include "qt/display/DisplayWidget.h"
#include "qt/display/QtPictures.h"
#include "qt/forms/OptionsForm.h"
#include "qt/forms/QtForms.h"
#include "qt/forms/ResultDialog.h"
#include "qt/scorecard/ScorecardWindow.h"

namespace {

void DeleteClosedForms() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The seven bitmaps, plain colours, each just big enough for the tiles the game draws.
void WriteBitmaps(const QString& folder) {
  const struct {
    const char* name;
    int width, height;
  } bitmaps[] = {
      {"all.bmp", 640, 480},
      {"GAMESP.bmp", 192, 64},
      {"smallsp.bmp", 64, 16},
      {"cball.bmp", 96, 32},
      {"bowler.bmp", 151 * 13, 240 * 3},
      {"stumps.bmp", 192, 64},
      {"shots256.bmp", 320 * 4, 200 * 10},
  };
  for (const auto& b : bitmaps) {
    QImage image(b.width, b.height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    image.save(folder + "/" + b.name, "BMP");
  }
}

class QtFormsTest : public ::testing::Test {
 protected:
  QtFormsTest() {
    WriteBitmaps(dir.path());
    forms.Attach(game);
    forms.ShowOptions();
    pump.fallback = [this] { game.CloseRequested(); };  // a forgotten ending still ends
  }
  ~QtFormsTest() override {
    forms.UnloadOptions();
    forms.UnloadResult();
    DeleteClosedForms();
  }

  QTemporaryDir dir;
  QtForms forms;
  fakes::ManualTimer timer;
  QtPictures pictures{dir.path()};
  fakes::FixedClock clock;
  fakes::ScriptedPump pump;
  Game game{Ports{&forms, &timer, &pictures, &clock, &pump}};
};

TEST_F(QtFormsTest, TheGameReadsThePanelLiveAndNothingOnceUnloaded) {
  OptionsForm* form = forms.Options();
  form->Box(TextBox::Text1)->setText("Lions");
  form->Button(Option::Option1)->click();
  EXPECT_EQ(game.M.Options.Team1(), "Lions");
  EXPECT_EQ(game.M.Options.Game(), GameType::HumanVCpu);

  forms.UnloadOptions();
  EXPECT_FALSE(forms.OptionsLoaded());
  EXPECT_EQ(game.M.Options.Team1(), "");
  EXPECT_EQ(game.M.Options.Game(), GameType::None);
}

TEST_F(QtFormsTest, ContinueBringsBackAFreshPanelAtItsDesignValues) {
  forms.Options()->Box(TextBox::Text1)->setText("Lions");
  forms.Options()->Button(Option::CPUh)->click();
  forms.HideOptions();
  forms.ShowResult("Lions are the winners");
  forms.UnloadOptions();
  DeleteClosedForms();

  ResultDialog* result = forms.Result();
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->windowTitle(), "Form1");
  EXPECT_EQ(result->size(), QSize(372, 251));
  EXPECT_EQ(result->Line()->text(), "Lions are the winners");
  EXPECT_TRUE(result->isVisible());

  result->Continue()->click();
  EXPECT_EQ(forms.Result(), nullptr);
  ASSERT_TRUE(forms.OptionsLoaded());
  EXPECT_TRUE(forms.Options()->isVisible());
  EXPECT_EQ(game.M.Options.Team1(), "Team1");
  EXPECT_EQ(game.M.Options.Computer(), Difficulty::Normal);
  DeleteClosedForms();  // the dialog goes only now that its click has returned
}

// Begin runs the whole match inside its click; the scripted message loop looks
// at the window while it runs.
TEST_F(QtFormsTest, DuringAMatchTheDisplaySitsBesideThePanelAndTheCloseBoxEndsIt) {
  pump.steps.push_back([this] {
    OptionsForm* form = forms.Options();
    auto* display = qobject_cast<DisplayWidget*>(form->Display());
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(display->isVisible());
    EXPECT_EQ(display->geometry().topLeft(), QPoint(624, 0));
    EXPECT_GE(display->width(), 640);
    EXPECT_EQ(display->GetTileSets().size(), 7u);
    EXPECT_FALSE(form->Begin()->isEnabled());
    EXPECT_TRUE(timer.Enabled());

    QCloseEvent close;
    QCoreApplication::sendEvent(form, &close);
    EXPECT_FALSE(close.isAccepted()) << "the window stays while the match closes";
    EXPECT_TRUE(game.S.QuitGame);
  });
  forms.Options()->Begin()->click();

  EXPECT_EQ(pump.yields, 1);
  EXPECT_FALSE(game.MatchRunning());
  EXPECT_FALSE(timer.Enabled());
  EXPECT_FALSE(forms.OptionsLoaded()) << "the panel is unloaded at the end of the match";
}

struct SeenBox {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  int shown = 0;
};

// Reads the modal message box once it is up, then presses its OK.
void AnswerMessageBox(SeenBox& seen) {
  QTimer::singleShot(0, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    ++seen.shown;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    seen.buttons = box->standardButtons();
    box->button(QMessageBox::Ok)->click();
  });
}

TEST_F(QtFormsTest, BadSettingsAreReportedAndThePanelStaysAsTyped) {
  const struct {
    TextBox box;
    const char* text;
    const char* message;
  } cases[] = {
      {TextBox::Text3, "many", "Number Of Overs must be a number"},
      {TextBox::Text4, "-1", "Game Delay (ms) must be a whole number from 0 to 32767"},
  };
  for (const auto& c : cases) {
    forms.Options()->Box(c.box)->setText(c.text);
    SeenBox seen;
    AnswerMessageBox(seen);
    forms.Options()->Begin()->click();
    forms.Options()->Box(c.box)->setText(DesignText(c.box));
    EXPECT_EQ(seen.shown, 1) << c.text;
    EXPECT_EQ(seen.text, c.message);
    EXPECT_TRUE(seen.title.isEmpty());
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    EXPECT_TRUE(forms.OptionsLoaded());
    EXPECT_TRUE(forms.Options()->Begin()->isEnabled());
    EXPECT_EQ(forms.Options()->Display(), nullptr);
  }
  EXPECT_EQ(pump.yields, 0);
}

TEST_F(QtFormsTest, AMissingBitmapLeavesThePanelReadyAndNarrow) {
  QFile::remove(dir.filePath("cball.bmp"));
  SeenBox seen;
  AnswerMessageBox(seen);
  forms.Options()->Begin()->click();
  DeleteClosedForms();
  EXPECT_EQ(seen.shown, 1);
  EXPECT_TRUE(seen.text.contains("cball.bmp"));
  EXPECT_TRUE(forms.Options()->Begin()->isEnabled());
  EXPECT_EQ(forms.Options()->Display(), nullptr);
  EXPECT_EQ(forms.Options()->size(), QSize(624, 465));
}

}  // namespace

// Space still held from the last ball repeats into the result dialog and is let
// go there: none of that continues. A fresh press does.
TEST(ResultDialogKeys, AKeyHeldFromBeforeTheDialogDoesNotContinue) {
  ResultDialog dialog;
  dialog.show();
  int continued = 0;
  QObject::connect(&dialog, &ResultDialog::continueClicked, [&] { ++continued; });
  const auto send = [&](QEvent::Type type, bool repeat) {
    QKeyEvent key(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
    QApplication::sendEvent(dialog.Continue(), &key);
  };
  for (int i = 0; i < 3; ++i) {
    send(QEvent::KeyRelease, true);
    send(QEvent::KeyPress, true);
  }
  send(QEvent::KeyRelease, false);
  EXPECT_EQ(continued, 0);
  send(QEvent::KeyPress, false);
  send(QEvent::KeyRelease, false);
  EXPECT_EQ(continued, 1);
}

// Unlike the other controls, "Sound" keeps its value when Continue brings back
// a fresh panel, and every change is told at once (to silence what sounds).
TEST_F(QtFormsTest, TheSoundBoxKeepsItsValueFromFormToForm) {
  std::vector<bool> told;
  forms.OnSoundTicked([&](bool on) { told.push_back(on); });
  EXPECT_TRUE(forms.Ticked(CheckBox::chkSound));
  forms.Options()->Check(CheckBox::chkSound)->click();
  EXPECT_FALSE(forms.Ticked(CheckBox::chkSound));
  forms.UnloadOptions();
  DeleteClosedForms();
  EXPECT_FALSE(forms.Ticked(CheckBox::chkSound));  // no form: nothing ticked
  forms.ShowOptions();
  EXPECT_FALSE(forms.Ticked(CheckBox::chkSound));
  EXPECT_EQ(forms.Options()->Box(TextBox::Text1)->text(), "Team1");
  forms.Options()->Check(CheckBox::chkSound)->click();
  EXPECT_EQ(told, (std::vector<bool>{false, true}));
}

// The card shows both innings with the result, and Continue takes both away.
TEST_F(QtFormsTest, ContinueClosesTheScorecardWithTheResult) {
  scorecard::BallByBall record;
  forms.ShowScorecard(record.Innings(1), record.Innings(2), "Lions", "Tigers", false);
  ASSERT_NE(forms.Scorecard(), nullptr);
  EXPECT_TRUE(forms.Scorecard()->isVisible());
  EXPECT_EQ(forms.Scorecard()->InningsShown(), 1);
  forms.ShowResult("Lions are the winners");
  forms.ShowScorecard(record.Innings(1), record.Innings(2), "Lions", "Tigers", true);
  EXPECT_EQ(forms.Scorecard()->InningsShown(), 2);
  forms.Result()->Continue()->click();
  EXPECT_FALSE(forms.Scorecard()->isVisible());
  DeleteClosedForms();
}
