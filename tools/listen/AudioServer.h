#pragma once
// A PulseAudio daemon of its own for hearing what the game plays: a fresh
// runtime folder, a native-protocol socket of its own and one null sink whose
// monitor can be recorded. The sink runs at the effects' own rate, one
// channel, so nothing between the game and the recording resamples them. The sink never rewinds (a
// rewind rewrites audio the monitor has already handed out, and the recording would lose the starts
// of streams). While it runs, PULSE_SERVER in this process points at it, so an audio library opened
// here plays into it.

#include <sys/types.h>

#include <string>
#include <vector>

namespace listening {

class AudioServer {
 public:
  // The Debian packages of the programs this needs that are not installed
  // (pulseaudio, pulseaudio-utils); empty when all are there.
  static std::vector<std::string> MissingPackages();

  // Starts the daemon and waits until it answers; Up() tells whether it did.
  AudioServer();
  ~AudioServer();
  AudioServer(const AudioServer&) = delete;
  AudioServer& operator=(const AudioServer&) = delete;

  bool Up() const { return pid_ > 0; }
  const std::string& Address() const { return address_; }  // "unix:/.../native"
  std::string Monitor() const { return kSink + std::string(".monitor"); }
  std::string Log() const;  // what the daemon said on standard error

  // Ends the daemon at once, as a crashed or stopped sound server would go.
  void Kill();

  static constexpr const char* kSink = "gallowby_heard";

 private:
  bool Answers() const;

  std::string folder_;
  std::string address_;
  pid_t pid_ = -1;
};

// Runs a program found on the path with `args`, its standard output into
// `out` (-1: this process's) and standard error into `err` (-1: likewise),
// with this process's environment and `env` ("NAME=value") besides; the new
// process's id, or -1.
pid_t Spawn(const std::vector<std::string>& args, int out = -1, int err = -1,
            const std::vector<std::string>& env = {});

// Waits for a process to end; its exit status, or -1 when it did not exit.
int Reap(pid_t pid);

}  // namespace listening
