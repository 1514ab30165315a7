#include "audio/EffectBank.h"

#include "audio/OnTime.h"
#include "audio/SoundTrouble.h"
#include "audio/WavFile.h"

namespace {

ALenum AlFormat(int channels) {
  return channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
}

ALuint Upload(const WavSound& sound) {
  ALuint buffer = 0;
  alGenBuffers(1, &buffer);
  alBufferData(buffer, AlFormat(sound.channels), sound.samples.data(),
               static_cast<ALsizei>(sound.samples.size() * sizeof(sound.samples[0])), sound.rate);
  return buffer;
}

}  // namespace

EffectBank::EffectBank(const std::string& soundFolder) {
  for (const SoundEffectInfo& info : kSoundEffects)
    Load(info.effect, soundFolder + "/" + std::string(info.file));
}

EffectBank::~EffectBank() {
  for (ALuint& sound : sounds_)
    if (sound != 0) alDeleteBuffers(1, &sound);
  for (auto& [format, silences] : silences_)
    alDeleteBuffers(static_cast<ALsizei>(silences.size()), silences.data());
}

void EffectBank::Load(SoundEffect effect, const std::string& path) {
  const std::optional<WavSound> sound = ReadWav(path);
  if (!sound) {
    TellSoundTrouble("cannot use " + path + ", that effect stays silent");
    return;
  }
  const std::size_t i = SoundEffectIndex(effect);
  sounds_[i] = Upload(*sound);
  formats_[i] = {sound->rate, sound->channels};
  const auto frames = static_cast<std::int64_t>(sound->samples.size()) / sound->channels;
  lengths_[i] = std::chrono::microseconds(frames * 1'000'000 / sound->rate);
  MakeSilences(formats_[i]);
}

void EffectBank::MakeSilences(Format format) {
  if (silences_.count(format) > 0) return;
  auto& silences = silences_[format];
  for (int ms = 1; ms <= kLongestLeadInMs; ++ms) {
    const auto frames = static_cast<std::size_t>(format.first) * ms / 1000;
    const WavSound silence{format.first, format.second,
                           std::vector<std::int16_t>(frames * format.second, 0)};
    silences.push_back(Upload(silence));
  }
}

ALuint EffectBank::Silence(SoundEffect effect, int ms) const {
  const ALuint sound = Sound(effect);
  if (sound == 0 || ms <= 0) return 0;
  const auto& silences = silences_.at(formats_[SoundEffectIndex(effect)]);
  return silences[static_cast<std::size_t>(std::min(ms, kLongestLeadInMs) - 1)];
}
