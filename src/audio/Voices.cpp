#include "audio/Voices.h"

Voices::Voices() {
  alGenSources(static_cast<ALsizei>(kVoices), sources_.data());
  for (ALuint source : sources_) {
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);  // at the listener: no panning, no distance
    alSource3f(source, AL_POSITION, 0.0F, 0.0F, 0.0F);
  }
}

Voices::~Voices() {
  StopAll();
  alDeleteSources(static_cast<ALsizei>(kVoices), sources_.data());
}

// A free voice, else the one that started longest ago.
std::size_t Voices::Next() const {
  std::size_t longest = 0;
  for (std::size_t i = 0; i < kVoices; ++i) {
    ALint state = AL_STOPPED;
    alGetSourcei(sources_[i], AL_SOURCE_STATE, &state);
    if (state != AL_PLAYING) return i;
    if (startedAs_[i] < startedAs_[longest]) longest = i;
  }
  return longest;
}

ALuint Voices::Start(ALuint silence, ALuint sound) {
  const std::size_t i = Next();
  startedAs_[i] = ++starts_;
  const ALuint voice = sources_[i];
  Stop(voice);
  if (silence != 0) alSourceQueueBuffers(voice, 1, &silence);
  alSourceQueueBuffers(voice, 1, &sound);
  alSourcePlay(voice);
  return voice;
}

bool Voices::Begun(ALuint voice) const {
  ALint state = AL_STOPPED;
  ALint offset = 0;
  alGetSourcei(voice, AL_SOURCE_STATE, &state);
  alGetSourcei(voice, AL_SAMPLE_OFFSET, &offset);
  return state != AL_PLAYING || offset > 0;
}

void Voices::Stop(ALuint voice) {
  alSourceStop(voice);
  alSourcei(voice, AL_BUFFER, 0);  // unqueues everything
}

void Voices::StopAll() {
  for (ALuint source : sources_) alSourceStop(source);
}
