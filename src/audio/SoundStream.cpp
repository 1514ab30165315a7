#include "audio/SoundStream.h"

#include "audio/OnTime.h"

std::unique_ptr<SoundStream> SoundStream::Open(const std::string& soundFolder) {
  std::unique_ptr<AudioDevice> device = AudioDevice::Open();
  if (!device) return nullptr;
  return std::unique_ptr<SoundStream>(new SoundStream(std::move(device), soundFolder));
}

// The silence before the effect is measured from the device's timing (and
// the time spent waking it from a rest); a mix that comes between reading it
// and the start would leave the effect a period late, so then it starts again
// from a fresh reading.
void SoundStream::Play(SoundEffect effect) {
  const ALuint sound = bank_.Sound(effect);
  if (sound == 0) return;
  const auto asked = std::chrono::steady_clock::now();
  resting_.Sounding(kHeardAfter + bank_.Length(effect));
  device_->AwaitLatency();
  constexpr int kAttempts = 3;
  for (int attempt = 1;; ++attempt) {
    const AudioDevice::Timing before = device_->Now();
    const auto waited = std::chrono::nanoseconds(std::chrono::steady_clock::now() - asked);
    const std::int64_t latency = before.latency > 0 ? before.latency + waited.count() : 0;
    const ALuint voice = voices_.Start(bank_.Silence(effect, LeadInMs(latency)), sound);
    if (device_->Now().mixed == before.mixed || voices_.Begun(voice) || attempt == kAttempts)
      return;
    voices_.Stop(voice);
  }
}
