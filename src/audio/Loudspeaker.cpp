#include "audio/Loudspeaker.h"

#include "audio/OpenAlSettings.h"
#include "audio/SoundStream.h"
#include "audio/SoundTrouble.h"

namespace {

// How long Begin waits for a device still opening (it takes a tenth of a
// second or so, usually long done by the time the player has set up a match).
constexpr std::chrono::milliseconds kBeginWait{300};

std::unique_ptr<SoundStream> OpenStream(const std::string& folder) {
  std::unique_ptr<SoundStream> stream = SoundStream::Open(folder);
  if (!stream) TellSoundTrouble("no audio output, playing without sound");
  return stream;
}

}  // namespace

Loudspeaker::Loudspeaker(std::string soundFolder) : folder_(std::move(soundFolder)) {
  UseGameOpenAlSettings(folder_);
  StartOpening();
}

Loudspeaker::~Loudspeaker() {
  if (opening_.valid()) opening_.wait();
}

void Loudspeaker::StartOpening() {
  opening_ = std::async(std::launch::async, OpenStream, folder_);
}

bool Loudspeaker::Open(std::chrono::milliseconds wait) {
  if (opening_.valid() && opening_.wait_for(wait) == std::future_status::ready)
    stream_ = opening_.get();
  return stream_ != nullptr;
}

void Loudspeaker::Prepare() {
  if (!stream_ && !opening_.valid()) StartOpening();
  if (Open(kBeginWait)) stream_->Wake();
}

// The sound server gone: the stream is closed and the match plays on silent.
bool Loudspeaker::Lost() {
  if (stream_->Connected()) return false;
  TellSoundTrouble("the audio output went away, playing on without sound");
  stream_.reset();
  return true;
}

void Loudspeaker::Play(SoundEffect effect) {
  if (!enabled_ || !Open(std::chrono::milliseconds(0)) || Lost()) return;
  stream_->Play(effect);
}

void Loudspeaker::StopAll() {
  if (stream_) stream_->StopAll();
}

void Loudspeaker::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!enabled_) StopAll();
}
