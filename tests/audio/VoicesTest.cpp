// The voices effects sound from, on a device of OpenAL's own that plays to no
// loudspeaker and mixes only when asked: nothing started here ever finishes.
#include <AL/alc.h>
#include <AL/alext.h>
#include <gtest/gtest.h>

#include <vector>

#include "audio/Voices.h"

namespace {

// A context current on a loopback device, and a second of silence to play.
class OnALoopback : public ::testing::Test {
 protected:
  void SetUp() override {
    if (alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback") == ALC_FALSE)
      GTEST_SKIP() << "OpenAL here has no loopback device";
    const auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    device_ = open(nullptr);
    ASSERT_NE(device_, nullptr);
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT,
                                 ALC_MONO_SOFT,
                                 ALC_FORMAT_TYPE_SOFT,
                                 ALC_SHORT_SOFT,
                                 ALC_FREQUENCY,
                                 22050,
                                 0};
    context_ = alcCreateContext(device_, attributes);
    ASSERT_TRUE(context_ != nullptr && alcMakeContextCurrent(context_) == ALC_TRUE);
    alGenBuffers(1, &second_);
    const std::vector<ALshort> silence(22050, 0);
    alBufferData(second_, AL_FORMAT_MONO16, silence.data(), 2 * 22050, 22050);
  }
  void TearDown() override {
    if (second_ != 0) alDeleteBuffers(1, &second_);
    alcMakeContextCurrent(nullptr);
    if (context_ != nullptr) alcDestroyContext(context_);
    if (device_ != nullptr) alcCloseDevice(device_);
  }

  ALCdevice* device_ = nullptr;
  ALCcontext* context_ = nullptr;
  ALuint second_ = 0;
};

// With every voice sounding, a new effect takes the voice that started
// longest ago, not the one just started.
TEST_F(OnALoopback, AFullFieldGivesTheOldestVoiceAway) {
  Voices voices;
  std::vector<ALuint> started;
  for (int i = 0; i < 16; ++i) started.push_back(voices.Start(0, second_));
  EXPECT_EQ(voices.Start(0, second_), started.front());
  EXPECT_EQ(voices.Start(0, second_), started[1]);
}

}  // namespace
