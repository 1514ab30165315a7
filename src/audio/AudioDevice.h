#pragma once
// The one audio stream of the run: OpenAL's default device and a context
// mixing into it, opened once and kept open, so no effect waits for a stream
// to start or is cut off by one closing.

#include <AL/alc.h>
#include <AL/alext.h>

#include <chrono>
#include <cstdint>
#include <memory>

class AudioDevice {
 public:
  // Opens the default device and makes its context current; nullptr when
  // there is no audio output.
  static std::unique_ptr<AudioDevice> Open();
  ~AudioDevice();
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;

  // False once the device has gone (the sound server ended, say).
  bool Connected() const;

  // Stops mixing and lets the sound server rest, the stream kept open; mixing
  // again, from where it was. (Nothing, where the device cannot pause.)
  void Pause();
  void Resume();
  // Until the sound server has said how far behind the mix it plays since
  // the device last started mixing, Now() cannot tell: waits for that (a few
  // milliseconds at most, and only in the moments after a start).
  void AwaitLatency() const;

  // Where the mix stands, in nanoseconds: how much has been mixed so far
  // (it steps by a period at each mix), and how long a sample mixed next takes
  // to reach the loudspeaker (0 when the device cannot tell).
  struct Timing {
    std::int64_t mixed = 0;
    std::int64_t latency = 0;
  };
  Timing Now() const;

 private:
  AudioDevice(ALCdevice* device, ALCcontext* context);

  ALCdevice* device_;
  ALCcontext* context_;
  bool tellsConnected_ = false;                    // ALC_EXT_disconnect
  LPALCGETINTEGER64VSOFT getInteger64_ = nullptr;  // ALC_SOFT_device_clock
  LPALCDEVICEPAUSESOFT pause_ = nullptr;           // ALC_SOFT_pause_device
  LPALCDEVICERESUMESOFT resume_ = nullptr;
  bool paused_ = false;
  std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
};
