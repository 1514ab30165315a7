// Gallowby: one Game for the whole run, wired to the desktop, starting on the
// options form. The program ends when no form is left open. The command line
// is read first: --help, --version, --check-files and a refused option answer
// without opening a window.

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "app/CommandLine.h"
#include "app/GameFiles.h"
#include "audio/Loudspeaker.h"
#include "core/game/Game.h"
#include "core/game/MatchAudience.h"
#include "core/journal/KeptScript.h"
#include "qt/display/QtPictures.h"
#include "qt/files/GameDataFolder.h"
#include "qt/forms/OptionsForm.h"
#include "qt/forms/QtClock.h"
#include "qt/forms/QtEventPump.h"
#include "qt/forms/QtForms.h"
#include "qt/forms/QtTimer.h"
#include "qt/history/HistoryStore.h"
#include "qt/history/MatchesWindow.h"
#include "qt/history/Watcher.h"
#include "qt/net/NetworkDialog.h"
#include "qt/net/NetworkPlay.h"

namespace {

// Checks the files in the game's data folder; no window, so no display is needed.
int CheckFiles(int argc, char* argv[]) {
  const QCoreApplication app(argc, argv);
  const QString folder = GameDataFolder();
  const QStringList troubles = GameFileTroubles(folder);
  for (const QString& trouble : troubles)
    std::fprintf(stderr, "gallowby: %s\n", qUtf8Printable(trouble));
  if (troubles.isEmpty())
    std::printf("gallowby: every file the game needs is in %s\n", qUtf8Printable(folder));
  return troubles.isEmpty() ? 0 : 1;
}

// The answer to a command line that does not play, if it does not.
std::optional<int> Answer(const Command& command, int argc, char* argv[]) {
  switch (command.action) {
    case CommandAction::Help:
      std::fputs(HelpText().c_str(), stdout);
      return 0;
    case CommandAction::Version:
      std::fputs(VersionText().c_str(), stdout);
      return 0;
    case CommandAction::CheckFiles:
      return CheckFiles(argc, argv);
    case CommandAction::Refuse:
      std::fprintf(stderr, "%s\n", command.error.c_str());
      return command_line::kExitUsage;
    case CommandAction::Play:
      return std::nullopt;
  }
  return std::nullopt;
}

// --host and --join open the Network dialog and start at once.
void StartNetwork(const NetworkAsk& ask, QtForms& forms, NetworkDialog& dialog) {
  dialog.SetTeam(QString::fromStdString(forms.Text(kTeam2Box)));
  dialog.show();
  if (ask.host) {
    dialog.HostNow(ask.port, ask.delay);
  } else {
    dialog.JoinNow(QString::fromStdString(ask.address), ask.port);
  }
}

// Watches a kept match; a script that cannot be read is named (`from`) with
// its first bad line, and nothing of it is played.
void Watch(KeptScript script, const std::string& from, QtForms& forms, Pictures& pictures,
           SoundOutput& sound) {
  if (script.problem) {
    const std::string message = "Cannot watch " + from + ": " + *script.problem;
    std::fprintf(stderr, "gallowby: %s\n", message.c_str());
    forms.MessageBox(message);
    return;
  }
  Watcher(std::move(script), pictures, sound).Run();
}

// Watches a kept match first, if asked.
void WatchFirst(const std::string& file, QtForms& forms, Pictures& pictures, SoundOutput& sound) {
  std::ifstream in(file, std::ios::binary);
  std::string text;
  if (in) text.assign(std::istreambuf_iterator<char>(in), {});
  Watch(in ? ReadKeptScript(text) : KeptScript{{}, "cannot be read"}, file, forms, pictures, sound);
}

// The Matches window, over the panel; the panel waits while a match is watched.
void ShowMatches(HistoryStore& history, QtForms& forms, Pictures& pictures, SoundOutput& sound) {
  if (!history.On()) return forms.MessageBox("The match history cannot be read.");
  OptionsForm* panel = forms.Options();
  auto* window = new MatchesWindow(
      history.Database(),
      [&forms, &pictures, &sound, panel](const std::string& script, const QString& from) {
        if (panel) panel->setEnabled(false);
        Watch(ReadKeptScript(script), from.toStdString(), forms, pictures, sound);
        if (panel) panel->setEnabled(true);
      },
      panel);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowModality(Qt::WindowModal);
  window->show();
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const Command command = ParseCommandLine(args);
  if (const std::optional<int> status = Answer(command, argc, argv)) return *status;

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("gallowby"));
  // For tests: close the forms as the player would, and the program ends.
  if (command.quitAfterMs) QTimer::singleShot(*command.quitAfterMs, &QApplication::closeAllWindows);

  QtForms forms;
  QtTimer timer;
  QtPictures pictures;
  QtClock clock;
  QtEventPump pump;
  Game game(Ports{&forms, &timer, &pictures, &clock, &pump});
  timer.OnTick([&game] { game.Timer1_Timer(); });
  forms.Attach(game);
  Loudspeaker loudspeaker(SoundFolder(GameDataFolder()).toStdString());
  HistoryStore history(DefaultHistoryFolder(),
                       [&forms](const std::string& m) { forms.MessageBox(m); });
  // The strip and the scorecard window are the forms'.
  MatchAudience audience(game, {forms, loudspeaker, forms});
  audience.keeper.SetHistory(&history);
  forms.OnFieldKeyboard([&audience](bool has) { audience.commentary.FieldHasKeyboard(has); });
  forms.OnSoundTicked([&loudspeaker](bool on) { loudspeaker.SetEnabled(on); });
  forms.OnMatchesClicked([&] { ShowMatches(history, forms, pictures, loudspeaker); });

  NetworkPlay network(game, forms);
  NetworkDialog networkDialog(network);
  forms.OnNetwork([&] {
    networkDialog.SetTeam(QString::fromStdString(forms.Text(kTeam2Box)));
    networkDialog.show();
  });

  if (command.watchFile) WatchFirst(*command.watchFile, forms, pictures, loudspeaker);
  forms.ShowOptions();
  if (command.network) StartNetwork(*command.network, forms, networkDialog);
  pictures.Prefetch();  // the bitmaps decode while the player sets the match up
  return QApplication::exec();
}
