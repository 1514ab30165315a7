// A kept match watched on the real forms: the panel shows the match's own
// settings, the strip says how it is watched as the keys change it, and
// Escape stops watching.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "fakes/Fakes.h"
#include "qt/commentary/CommentaryStrip.h"
#include "qt/display/QtPictures.h"
#include "qt/forms/OptionsForm.h"
#include "qt/history/Watcher.h"

namespace {

constexpr const char* kLongMatch =
    "select Option1\ntext Text1 Lions\ntext Text2 Tigers\ntext Text3 7\n"
    "seed 12345\nclock 43200000\nbegin\ntick 100000\nend\n";

OptionsForm* ShownForm() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* form = qobject_cast<OptionsForm*>(widget); form && form->isVisible()) return form;
  return nullptr;
}

void Press(OptionsForm* form, int key) {
  QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(form->Display(), &event);
}

}  // namespace

TEST(Watcher, PanelIsTheMatchsAndTheStripSaysThePace) {
  QtPictures pictures{QStringLiteral(GALLOWBY_ASSETS_DIR)};
  fakes::QuietOutputs quiet;
  Watcher watcher(ReadKeptScript(kLongMatch), pictures, quiet);
  QStringList panel, strip;
  QTimer::singleShot(0, [&] {
    OptionsForm* form = ShownForm();
    ASSERT_TRUE(form && form->Display());
    for (TextBox box : {TextBox::Text1, TextBox::Text2, TextBox::Text3})
      panel << form->Box(box)->text();
    panel << (form->Button(Option::Option1)->isChecked() ? "HvCPU" : "HvH");
    for (int key : {Qt::Key_4, Qt::Key_Space, Qt::Key_Space, Qt::Key_1}) {
      Press(form, key);
      strip << form->Strip()->ShownLine(0).section(':', 0, 0);
    }
    Press(form, Qt::Key_Escape);
  });
  watcher.Run();  // returns only when Escape has stopped it
  EXPECT_EQ(panel.join(", ").toStdString(), "Lions, Tigers, 7, HvCPU");
  EXPECT_EQ(strip.join(", ").toStdString(), "Watching at 4x, Paused, Watching at 4x, Watching");
}
