#include "Recorder.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>

namespace listening {

double SteadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

namespace {

// The arrival in [from, to) that came soonest after its samples were mixed.
template <typename Arrival>
Arrival Soonest(const std::vector<Arrival>& arrivals, std::size_t from, std::size_t to) {
  return *std::min_element(
      arrivals.begin() + from, arrivals.begin() + to, [](const Arrival& a, const Arrival& b) {
        return a.at - a.samples / kRecordingRate < b.at - b.samples / kRecordingRate;
      });
}

template <typename Arrival>
Recording Pinned(const std::vector<float>& samples, const std::vector<Arrival>& arrivals) {
  Recording recording{samples};
  if (arrivals.size() < 2) return recording;
  const std::size_t half = arrivals.size() / 2;
  const Arrival early = Soonest(arrivals, 0, half), late = Soonest(arrivals, half, arrivals.size());
  const double rate = (late.samples - early.samples) / (late.at - early.at);
  if (std::abs(rate / kRecordingRate - 1) < 0.01) recording.rate = rate;  // else too short to tell
  recording.start = early.at - early.samples / recording.rate;
  return recording;
}

}  // namespace

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
    arrivals_.push_back({static_cast<double>(samples_.size()), arrived});
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
  return Pinned(samples_, arrivals_);
}

}  // namespace listening
