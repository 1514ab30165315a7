// At the player's end: what the real loudspeaker plays, recorded at a sound
// server of the test's own and found again in the recording by each effect's
// waveform; an over passes only with every effect found whole, so the test
// cannot pass by hearing nothing. A take the machine spoilt is
// recorded again (see Take.h), three times at most; the first take with
// nothing wrong passes, and a fault that spoils every take fails.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>
#include <thread>

#include "Driver.h"
#include "Over.h"
#include "Take.h"
#include "TimedOutput.h"
#include "audio/Loudspeaker.h"
#include "qt/files/GameDataFolder.h"

namespace {

using namespace std::chrono_literals;
using listening::Take;

// On time: each effect's first sample comes under 50 ms after the game asked
// for it, and no two effects differ in that by 10 ms or more.
constexpr double kLatest = 0.050;
constexpr double kJitter = 0.010;
constexpr int kTakes = 3;

std::string Sounds() {
  return SoundFolder(GameDataFolder()).toStdString();
}

// What is wrong with a take; empty when nothing is.
using Verdict = std::function<std::string(const Take&)>;

std::string NotWhole(const Take& take) {
  std::ostringstream wrong;
  for (std::size_t i = 0; i < take.asked.size(); ++i) {
    const listening::Heard& h = take.heard[i];
    if (take.excused[i] || listening::HeardWhole(h)) continue;
    wrong << SoundEffectName(take.asked[i].effect) << ", effect " << i + 1
          << (h.found ? "" : ", not found") << ": match " << h.match << ", level " << h.gain
          << ", weakest quarter " << h.weakest << ", " << 1000 * h.delay << " ms\n";
  }
  if (2 * take.Judged() < take.asked.size()) wrong << "the machine stalled too often to judge\n";
  return wrong.str();
}

std::string LateOrUneven(const Take& take) {
  double earliest = 1, latest = -1;
  for (std::size_t i = 0; i < take.asked.size(); ++i) {
    if (take.excused[i] || !take.heard[i].found) continue;
    earliest = std::min(earliest, take.heard[i].delay);
    latest = std::max(latest, take.heard[i].delay);
  }
  std::ostringstream wrong;
  if (earliest < 0 || latest >= kLatest || latest - earliest >= kJitter)
    wrong << "heard " << 1000 * earliest << " to " << 1000 * latest << " ms after asked\n";
  return wrong.str();
}

// Runs a replay script through the real game, its effects going to `speaker` too.
std::string RunScript(const std::string& text, SoundOutput* speaker) {
  std::istringstream script(text);
  std::ostringstream trace;
  EXPECT_EQ(Driver(script, trace, speaker).Run(), 0);
  return trace.str();
}

class AtTheServer : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::vector<std::string> missing = listening::MissingSoundPackages();
    if (!missing.empty())
      GTEST_SKIP() << "no sound server to listen with: the Debian "
                   << (missing.size() == 1
                           ? "package " + missing[0] + " is"
                           : "packages " + missing[0] + " and " + missing[1] + " are")
                   << " not installed (scripts/setup.sh installs them)";
    server_.emplace();
    ASSERT_TRUE(server_->Up()) << "the sound server did not start: " << server_->Log();
  }

  // Records the scene until a take has nothing wrong.
  void ExpectATake(const listening::Scene& scene, const Verdict& verdict,
                   listening::Search search = listening::kOnTimeSearch) {
    std::string wrong;
    for (int attempt = 1; attempt <= kTakes; ++attempt) {
      const Take take = listening::RecordTake(*server_, waves_, scene, search);
      take.Tell(std::cout);
      wrong = take.asked.empty() ? "nothing recorded\n" : verdict(take);
      if (wrong.empty()) return;
      std::cout << "take " << attempt << " of " << kTakes << ":\n" << wrong;
    }
    ADD_FAILURE() << wrong << "the sound server said:\n" << server_->Log();
  }

  std::optional<listening::AudioServer> server_;
  const listening::Waveforms waves_ = listening::LoadWaveforms(Sounds());
};

// An over through the real loudspeaker at the game's pace: every effect the
// game asks for heard whole, a fixed short time after it asked.
TEST_F(AtTheServer, EveryEffectOfAnOverIsHeardWholeAndOnTime) {
#ifdef __SANITIZE_ADDRESS__
  // Under the sanitizers the game's every step is checked and slowed; the
  // sound client starves now and then and an effect of the over comes out
  // ragged. Whole and on time is judged in the plain build.
  GTEST_SKIP() << "judged in the plain build, not under the sanitizers";
#endif
  const auto scene = [] {
    Loudspeaker speaker(Sounds());
    EXPECT_TRUE(speaker.Open(10s));
    listening::TimedOutput timed(speaker);
    RunScript(listening::kOver, &timed);
    std::this_thread::sleep_for(std::chrono::milliseconds(listening::kOverTailMs));
    return timed.asked;
  };
  ExpectATake(scene, [](const Take& take) {
    std::set<SoundEffect> kinds;
    for (const listening::Asked& a : take.asked) kinds.insert(a.effect);
    return NotWhole(take) + LateOrUneven(take) +
           (kinds.size() == kSoundEffectCount ? "" : "the over no longer plays every effect\n");
  });
}

// Unticking the Sound box stops what sounds at once; ticked again, the next
// effect sounds.
TEST_F(AtTheServer, TheSoundBoxOffSilencesAtOnce) {
  double off = 0;
  const auto scene = [&off] {
    Loudspeaker speaker(Sounds());
    EXPECT_TRUE(speaker.Open(10s));
    listening::TimedOutput timed(speaker);
    timed.Play(SoundEffect::CrowdRoar);
    std::this_thread::sleep_for(500ms);
    off = listening::SteadySeconds();
    speaker.SetEnabled(false);
    speaker.Play(SoundEffect::Cheer);
    std::this_thread::sleep_for(1s);
    speaker.SetEnabled(true);
    timed.Play(SoundEffect::BatCrack);
    std::this_thread::sleep_for(500ms);
    return timed.asked;
  };
  ExpectATake(scene, [&off](const Take& take) {
    // From a mix's reach after the box went off to the bat: silence (the
    // roar alone is about 0.1 in level).
    const auto& samples = take.recording.samples;
    const auto from = static_cast<std::size_t>(take.recording.IndexAt(off + kLatest));
    const auto to = std::min(static_cast<std::size_t>(take.recording.IndexAt(take.asked[1].at)),
                             samples.size());
    float loudest = 0;
    for (std::size_t i = from; i < to; ++i) loudest = std::max(loudest, std::abs(samples[i]));
    const bool roar = take.excused[0] || (take.heard[0].found && take.heard[0].delay < kLatest);
    return (take.excused[1] || listening::HeardWhole(take.heard[1]) ? "" : "no bat after\n") +
           std::string(roar ? "" : "no roar before\n") +
           (loudest < 0.001F ? "" : "heard " + std::to_string(loudest) + " with the box off\n");
  });
}

// What the sound server says of the streams playing into it, as JSON.
std::string StreamsAt(const listening::AudioServer& server) {
  const std::string file = testing::TempDir() + "gallowby-streams.json";
  const int out = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  listening::Reap(listening::Spawn(
      {"pactl", "--server=" + server.Address(), "--format=json", "list", "sink-inputs"}, out));
  close(out);
  std::ifstream in(file);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Between balls the stream rests: while an effect sounds the server plays it,
// once the effect has been heard it holds the stream corked.
TEST_F(AtTheServer, TheStreamRestsOnceNothingSounds) {
  Loudspeaker speaker(Sounds());
  ASSERT_TRUE(speaker.Open(10s));
  speaker.Play(SoundEffect::CrowdRoar);  // 2.6 s
  std::this_thread::sleep_for(1s);
  const std::string sounding = StreamsAt(*server_);
  EXPECT_NE(sounding.find(R"("corked":false)"), std::string::npos) << sounding;
  std::this_thread::sleep_for(3s);
  const std::string quiet = StreamsAt(*server_);
  EXPECT_NE(quiet.find(R"("corked":true)"), std::string::npos) << quiet;
}

// A file that cannot be played leaves its effect silent and is named, in the
// one line of the run.
TEST_F(AtTheServer, ASpoiltFileIsNamed) {
  const std::string folder = testing::TempDir() + "spoilt-sounds";
  std::filesystem::remove_all(folder);
  std::filesystem::copy(Sounds(), folder);
  std::ofstream(folder + "/footstep.wav", std::ios::trunc) << "RIFF....WAVEnot a sound at all";
  testing::internal::CaptureStderr();
  Loudspeaker speaker(folder);
  EXPECT_TRUE(speaker.Open(10s));
  speaker.Play(SoundEffect::Footstep);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "gallowby: sound: cannot use " + folder + "/footstep.wav, that effect stays silent\n");
}

// The sound server going away mid-match: the match plays on exactly as it
// would have, in silence, and the game says so in one line.
TEST_F(AtTheServer, WhenTheServerGoesTheMatchPlaysOnSilentAndSaysSoOnce) {
  Loudspeaker speaker(Sounds());
  ASSERT_TRUE(speaker.Open(10s));
  struct KillAtRelease : listening::TimedOutput {
    KillAtRelease(SoundOutput& out, listening::AudioServer& server)
        : TimedOutput(out), server(server) {}
    void Play(SoundEffect effect) override {
      if (effect == SoundEffect::Release) server.Kill();
      TimedOutput::Play(effect);
    }
    listening::AudioServer& server;
  } killer(speaker, *server_);
  // Played at the game's pace with the server, and as fast as it goes without.
  const std::string twoBalls =
      "begin\npress 101\ntick 30\npress 101\ntick 100\npress 101\ntick 100\n";
  testing::internal::CaptureStderr();
  const std::string played = RunScript("pace 16\n" + twoBalls, &killer);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "gallowby: sound: the audio output went away, playing on without sound\n");
  EXPECT_EQ(played, RunScript(twoBalls, nullptr));
}

}  // namespace
