#include "audio/SoundStream.h"

#include "audio/OnTime.h"

std::unique_ptr<SoundStream> SoundStream::Open(const std::string& soundFolder) {
  std::unique_ptr<AudioDevice> device = AudioDevice::Open();
  if (!device) return nullptr;
  device->Pause();
  return std::unique_ptr<SoundStream>(new SoundStream(std::move(device), soundFolder));
}

// The silence before the effect is measured from the device's timing; a mix
// that comes between reading it and the start would leave the effect a
// period late, so then it starts again from a fresh reading.
void SoundStream::Play(SoundEffect effect) {
  const ALuint sound = bank_.Sound(effect);
  if (sound == 0) return;
  Wake();
  constexpr int kAttempts = 3;
  for (int attempt = 1;; ++attempt) {
    const AudioDevice::Timing before = device_->Now();
    const ALuint voice = voices_.Start(bank_.Silence(effect, LeadInMs(before.latency)), sound);
    if (device_->Now().mixed == before.mixed || voices_.Begun(voice) || attempt == kAttempts)
      return;
    voices_.Stop(voice);
  }
}
