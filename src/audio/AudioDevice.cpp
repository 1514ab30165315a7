#include "audio/AudioDevice.h"

#include <pthread.h>
#include <sched.h>

#include <chrono>
#include <thread>

namespace {

// The threads OpenAL starts for the stream (the sound server client's own
// when it opens, its mixer each time it opens or resumes) inherit the
// scheduling of the thread that starts them. Started at the lowest real-time
// priority, where the system grants it, a machine busy with other work does
// not make them late and the loudspeaker run dry; where it does not, they run
// as any other thread.
class RealTimeMeanwhile {
 public:
  RealTimeMeanwhile() {
    pthread_getschedparam(pthread_self(), &policy_, &param_);
    const sched_param lowest{sched_get_priority_min(SCHED_RR)};
    pthread_setschedparam(pthread_self(), SCHED_RR, &lowest);
  }
  ~RealTimeMeanwhile() { pthread_setschedparam(pthread_self(), policy_, &param_); }
  RealTimeMeanwhile(const RealTimeMeanwhile&) = delete;
  RealTimeMeanwhile& operator=(const RealTimeMeanwhile&) = delete;

 private:
  int policy_ = SCHED_OTHER;
  sched_param param_{};
};

}  // namespace

std::unique_ptr<AudioDevice> AudioDevice::Open() {
  const RealTimeMeanwhile realTime;
  ALCdevice* device = alcOpenDevice(nullptr);
  if (device == nullptr) return nullptr;
  ALCcontext* context = alcCreateContext(device, nullptr);
  if (context == nullptr || alcMakeContextCurrent(context) == ALC_FALSE) {
    if (context != nullptr) alcDestroyContext(context);
    alcCloseDevice(device);
    return nullptr;
  }
  return std::unique_ptr<AudioDevice>(new AudioDevice(device, context));
}

AudioDevice::AudioDevice(ALCdevice* device, ALCcontext* context)
    : device_(device),
      context_(context),
      tellsConnected_(alcIsExtensionPresent(device, "ALC_EXT_disconnect") == ALC_TRUE) {
  if (alcIsExtensionPresent(device_, "ALC_SOFT_device_clock") == ALC_TRUE)
    getInteger64_ = reinterpret_cast<LPALCGETINTEGER64VSOFT>(
        alcGetProcAddress(device_, "alcGetInteger64vSOFT"));
  if (alcIsExtensionPresent(device_, "ALC_SOFT_pause_device") == ALC_TRUE) {
    pause_ =
        reinterpret_cast<LPALCDEVICEPAUSESOFT>(alcGetProcAddress(device_, "alcDevicePauseSOFT"));
    resume_ =
        reinterpret_cast<LPALCDEVICERESUMESOFT>(alcGetProcAddress(device_, "alcDeviceResumeSOFT"));
  }
}

void AudioDevice::Pause() {
  if (pause_ == nullptr || paused_) return;
  pause_(device_);
  paused_ = true;
}

void AudioDevice::Resume() {
  if (resume_ == nullptr || !paused_) return;
  const RealTimeMeanwhile realTime;
  resume_(device_);
  paused_ = false;
  started_ = std::chrono::steady_clock::now();
}

// Started or resumed, OpenAL starts a new mixer, which uncorks the stream;
// the sound server's word on the latency comes back a moment later, and until
// then the latency reads 0: an effect started then would skip its lead-in and
// come early. That holds for every effect of those first moments, not only
// the one that woke the device (Begin wakes it just before the first ball's
// footfalls). The mixer runs at real-time priority, so 2 ms is plenty, mostly.
void AudioDevice::AwaitLatency() const {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point until = started_ + std::chrono::milliseconds(10);
  if (getInteger64_ == nullptr || Clock::now() >= until) return;
  std::this_thread::sleep_until(started_ + std::chrono::milliseconds(2));
  while (Clock::now() < until && Now().latency <= 0)
    std::this_thread::sleep_for(std::chrono::microseconds(250));
}

AudioDevice::~AudioDevice() {
  alcMakeContextCurrent(nullptr);
  alcDestroyContext(context_);
  alcCloseDevice(device_);
}

bool AudioDevice::Connected() const {
  ALCint connected = ALC_TRUE;
  if (tellsConnected_) alcGetIntegerv(device_, ALC_CONNECTED, 1, &connected);
  return connected == ALC_TRUE;
}

AudioDevice::Timing AudioDevice::Now() const {
  if (getInteger64_ == nullptr) return {};
  ALCint64SOFT values[2] = {0, 0};
  getInteger64_(device_, ALC_DEVICE_CLOCK_LATENCY_SOFT, 2, values);
  return {values[0], values[1]};
}
