// Gallowby: one Game for the whole run, wired to the desktop, starting on the
// options form. The program ends when no form is left open.

#include <QApplication>

#include "core/commentary/CommentaryFeed.h"
#include "core/game/Game.h"
#include "core/replay/InstantReplay.h"
#include "core/replay/ReplaySound.h"
#include "core/scoring/ScorecardFeed.h"
#include "core/sound/Footsteps.h"
#include "core/sound/SoundCues.h"
#include "core/sound/SoundGate.h"
#include "core/tick/FrameTables.h"
#include "qt/forms/QtClock.h"
#include "qt/forms/QtEventPump.h"
#include "qt/forms/QtForms.h"
#include "qt/forms/QtTimer.h"
#include "qt/display/QtPictures.h"
#include "qt/sound/QtSoundOutput.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("gallowby"));

  QtForms forms;
  QtTimer timer;
  QtPictures pictures;
  QtClock clock;
  QtEventPump pump;
  Game game(Ports{&forms, &timer, &pictures, &clock, &pump});
  timer.OnTick([&game] { game.Timer1_Timer(); });
  forms.Attach(game);
  CommentaryFeed commentary(game, forms);
  game.Events.Listen(commentary);

  ScorecardFeed scorecard(forms, forms);
  game.Events.Listen(scorecard);

  InstantReplay replay;
  game.Events.Listen(replay);
  game.SetOverlay(replay);

  QtSoundOutput loudspeaker;
  SoundGate soundBox(forms, loudspeaker);
  ReplaySound replaySound(replay, soundBox);
  SoundCues sound(replaySound, FootstepTicks(RunUpFrameTable()));
  game.Events.Listen(sound);
  replay.SetSound(soundBox);
  forms.OnSoundTicked([&loudspeaker](bool on) { loudspeaker.SetEnabled(on); });

  forms.ShowOptions();
  pictures.Prefetch();  // the bitmaps decode while the player sets the match up
  return QApplication::exec();
}
