#pragma once
// A PulseAudio daemon of its own for hearing what the game plays: a fresh
// folder for its runtime files and socket, and one null sink at the effects'
// own rate and channel count (nothing resamples them) whose monitor can be
// recorded. The sink never rewinds: a rewind rewrites audio the monitor has
// already handed out, and the recording would lose the starts of streams.
// While it runs, PULSE_SERVER points at it, so the loudspeaker plays into it.

#include <sys/types.h>

#include <string>
#include <vector>

namespace listening {

// The Debian packages a server to listen with needs that are not installed
// (pulseaudio, pulseaudio-utils); empty when both are.
std::vector<std::string> MissingSoundPackages();

class AudioServer {
 public:
  AudioServer();  // starts the daemon and waits for its socket
  ~AudioServer();
  AudioServer(const AudioServer&) = delete;
  AudioServer& operator=(const AudioServer&) = delete;

  bool Up() const { return pid_ > 0; }
  std::string Address() const { return "unix:" + folder_ + "/native"; }
  std::string Log() const;  // what the daemon said
  void Kill();              // ends it at once, as a crashed sound server goes

  static constexpr const char* kSink = "gallowby_heard";

 private:
  std::string folder_;
  pid_t pid_ = -1;
};

// Runs a program found on the path, its standard output into `out` (-1: this
// process's); its process id, or -1. Reap waits for it: its exit status, or -1.
pid_t Spawn(const std::vector<std::string>& args, int out = -1);
int Reap(pid_t pid);

}  // namespace listening
