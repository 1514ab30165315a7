#include <gtest/gtest.h>

#include <cstdlib>

#include "audio/Loudspeaker.h"

namespace {

void PlayEverything(Loudspeaker& speaker) {
  for (const SoundEffectInfo& info : kSoundEffects) speaker.Play(info.effect);
}

// With no sound server to play to (and a folder without sounds), the game
// plays on silently and says so on one line for the whole run.
TEST(Loudspeaker, WithNoAudioOutputItStaysSilentAndSaysSoOnce) {
  setenv("PULSE_SERVER", "unix:/nonexistent/gallowby-no-server", 1);
  testing::internal::CaptureStderr();
  {
    Loudspeaker speaker(GALLOWBY_ASSETS_DIR "/sounds");
    PlayEverything(speaker);  // while it is still opening
    EXPECT_FALSE(speaker.Open(std::chrono::seconds(10)));
    speaker.Prepare();
    PlayEverything(speaker);
    speaker.SetEnabled(false);
    EXPECT_FALSE(speaker.Enabled());
    PlayEverything(speaker);
    speaker.SetEnabled(true);
    speaker.StopAll();
    Loudspeaker second(testing::TempDir() + "no-sounds-here");
    second.Prepare();
    PlayEverything(second);
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "gallowby: sound: no audio output, playing without sound\n");
}

}  // namespace
