// gallowby-latency [--quick]: the sound at the player's end, timed. Plays the
// over of tools/listen/Over.h at the game's pace through the real
// loudspeaker (one stream for the whole run, as the game keeps it) into a
// PulseAudio server of its own, three times (once with --quick), records the
// server's sink and finds every effect in the recording: per effect, how many
// were heard whole, and the delay from the game's request to the effect's
// first sample in the recording (median, 95th percentile, least, most).
// Effects the machine's own stalls spoilt are counted apart (see Take.h).
// Exits 0 whatever the figures, and when pulseaudio is not installed (saying
// so); 1 when the server or the loudspeaker would not start.

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <thread>

#include "AudioServer.h"
#include "Driver.h"
#include "Over.h"
#include "Take.h"
#include "TimedOutput.h"
#include "audio/Loudspeaker.h"
#include "qt/files/GameDataFolder.h"

namespace {

// The over once, its effects going to `speaker`; what it asked for and when.
std::vector<listening::Asked> PlayOver(Loudspeaker& speaker) {
  listening::TimedOutput timed(speaker);
  std::istringstream script(listening::kOver);
  std::ostringstream trace;
  Driver(script, trace, &timed).Run();
  std::this_thread::sleep_for(std::chrono::milliseconds(listening::kOverTailMs));
  return timed.asked;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int overs = argc > 1 && std::strcmp(argv[1], "--quick") == 0 ? 1 : 3;
  if (!listening::MissingSoundPackages().empty()) {
    std::printf("gallowby-latency: needs pulseaudio and pulseaudio-utils; not measured\n");
    return 0;
  }
  listening::AudioServer server;
  const std::string folder = SoundFolder(GameDataFolder()).toStdString();
  Loudspeaker speaker(folder);
  if (!server.Up() || !speaker.Open(std::chrono::seconds(10))) {
    std::fprintf(stderr, "gallowby-latency: no sound server to play to\n%s", server.Log().c_str());
    return 1;
  }
  const listening::Waveforms waves = listening::LoadWaveforms(folder);
  listening::Take all;
  for (int over = 0; over < overs; ++over)
    all.Add(listening::RecordTake(server, waves, [&speaker] { return PlayOver(speaker); }));
  std::printf("the over, %d times at the game's pace through the loudspeaker:\n", overs);
  all.Tell(std::cout);
  std::printf("  targets: every effect heard whole; under 50 ms, no two 10 ms apart or more\n");
  return 0;
}
