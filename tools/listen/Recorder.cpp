#include "Recorder.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>

namespace listening {

double SteadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

Recorder::Recorder(const AudioServer& server) {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) return;  // only parec's standard output writes to it
  pid_ =
      Spawn({"parec", "--server=" + server.Address(),
             "--device=" + std::string(AudioServer::kSink) + ".monitor", "--raw", "--format=s16le",
             "--rate=" + std::to_string(kRecordingRate), "--channels=1", "--latency-msec=5"},
            ends[1]);
  close(ends[1]);
  pipe_ = ends[0];
  reader_ = std::thread([this] { Read(); });
}

// Each piece: its samples are appended, and the time it came bounds from
// above the time its last sample was mixed.
void Recorder::Read() {
  unsigned char buffer[4096];
  for (;;) {
    const ssize_t got = read(pipe_, buffer, sizeof(buffer));
    const double arrived = SteadySeconds();
    if (got <= 0) return;
    const std::lock_guard<std::mutex> lock(mutex_);
    odd_.insert(odd_.end(), buffer, buffer + got);
    const std::size_t whole = odd_.size() / 2 * 2;
    for (std::size_t i = 0; i < whole; i += 2)
      samples_.push_back(static_cast<std::int16_t>(odd_[i] | odd_[i + 1] << 8) / 32768.0F);
    odd_.erase(odd_.begin(), odd_.begin() + static_cast<std::ptrdiff_t>(whole));
    start_ = std::min(start_, arrived - static_cast<double>(samples_.size()) / kRecordingRate);
  }
}

bool Recorder::Started() {
  for (int i = 0; i < 200; ++i) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (samples_.size() > kRecordingRate / 10) return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  return false;
}

Recording Recorder::Stop() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    Reap(pid_);
    pid_ = -1;
  }
  if (reader_.joinable()) reader_.join();
  if (pipe_ >= 0) close(pipe_);
  pipe_ = -1;
  const std::lock_guard<std::mutex> lock(mutex_);
  return {samples_, start_};
}

}  // namespace listening
