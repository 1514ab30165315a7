#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/model/SoundEffect.h"
#include "synth/Effects.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using E = SoundEffect;

constexpr int kRate = 22050;
constexpr std::size_t kHeaderBytes = 44;
constexpr std::uintmax_t kAllFilesMostBytes = 2 * 1024 * 1024;
constexpr double kPeakMostDbfs = -1.0;
constexpr double kLoudnessTargetDb = -20.0, kLoudnessSpreadDb = 3.0;
// The maths library picks its own code for each processor, so a sample may
// round a level or two apart on another machine: far under anything heard.
constexpr int kMostSampleLevels = 4;  // of 32768

fs::path FileOf(SoundEffect effect) {
  return fs::path(GALLOWBY_SOUNDS_DIR) / std::string(SoundEffectFile(effect));
}

Bytes ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t Le(const Bytes& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
  return v;
}

std::string Tag(const Bytes& b, std::size_t at) {
  return std::string(b.begin() + at, b.begin() + at + 4);
}

std::vector<std::int16_t> PcmOf(const Bytes& b) {
  std::vector<std::int16_t> s;
  for (std::size_t at = kHeaderBytes; at + 1 < b.size(); at += 2)
    s.push_back(static_cast<std::int16_t>(Le(b, at, 2)));
  return s;
}

// The same sound but for rounding: as long, no sample more than a few levels apart.
bool WithinRounding(const std::vector<std::int16_t>& a, const std::vector<std::int16_t>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::abs(a[i] - b[i]) > kMostSampleLevels) return false;
  return true;
}

std::vector<double> SamplesOf(const Bytes& b) {
  std::vector<double> s;
  for (std::size_t at = kHeaderBytes; at + 1 < b.size(); at += 2)
    s.push_back(static_cast<std::int16_t>(Le(b, at, 2)) / 32768.0);
  return s;
}

// The gated RMS the levels were set by: 10 ms blocks, those more than 20 dB
// under the loudest left out, the rest's mean power in dBFS.
double GatedLoudnessDb(const std::vector<double>& s) {
  const std::size_t block = kRate / 100;
  std::vector<double> powers;
  for (std::size_t at = 0; at + block <= s.size(); at += block) {
    double sum = 0;
    for (std::size_t i = at; i < at + block; ++i) sum += s[i] * s[i];
    powers.push_back(sum / block);
  }
  const double gate = *std::max_element(powers.begin(), powers.end()) / 100.0;
  double sum = 0;
  int n = 0;
  for (double p : powers)
    if (p >= gate) sum += p, ++n;
  return 10 * std::log10(sum / n);
}

// How long each effect may last, by its part in the match.
struct LengthCase {
  SoundEffect effect;
  double shortest, longest;  // seconds
};

constexpr LengthCase kLengths[] = {
    {E::Footstep, 0.05, 0.3}, {E::Release, 0.05, 0.3},  {E::Pitch, 0.05, 0.3},
    {E::BatCrack, 0.05, 0.3}, {E::BatKnock, 0.05, 0.3}, {E::Pads, 0.05, 0.3},
    {E::Stumps, 0.2, 0.8},    {E::CrowdRoar, 1.0, 3.0}, {E::Applause, 1.0, 3.0},
    {E::Ooh, 1.0, 3.0},       {E::Cheer, 1.0, 3.0},     {E::EndApplause, 1.0, 3.0},
};

class SoundFileTest : public ::testing::TestWithParam<LengthCase> {
 protected:
  Bytes file_ = ReadAll(FileOf(GetParam().effect));
};

TEST_P(SoundFileTest, RegeneratesWithinRounding) {
  ASSERT_GE(file_.size(), kHeaderBytes) << FileOf(GetParam().effect);
  const Bytes fresh = synth::RenderWav(GetParam().effect);
  EXPECT_TRUE(std::equal(file_.begin(), file_.begin() + kHeaderBytes, fresh.begin()));
  EXPECT_TRUE(WithinRounding(PcmOf(file_), synth::Render(GetParam().effect)))
      << SoundEffectName(GetParam().effect) << ": run gallowby-synth assets/sounds and commit";
}

// A changed effect is not taken for rounding: a sample later, or a decibel louder.
TEST_P(SoundFileTest, ARealChangeIsNotTakenForRounding) {
  const std::vector<std::int16_t> pcm = PcmOf(file_);
  std::vector<std::int16_t> later(pcm.size(), 0), louder = pcm;
  std::copy(pcm.begin(), pcm.end() - 1, later.begin() + 1);
  for (std::int16_t& sample : louder) sample = static_cast<std::int16_t>(sample * 1.12);
  EXPECT_FALSE(WithinRounding(pcm, later));
  EXPECT_FALSE(WithinRounding(pcm, louder));
}

TEST_P(SoundFileTest, IsPlainPcm16MonoWav) {
  ASSERT_GE(file_.size(), kHeaderBytes);
  EXPECT_EQ(Tag(file_, 0), "RIFF");
  EXPECT_EQ(Le(file_, 4, 4), file_.size() - 8);
  EXPECT_EQ(Tag(file_, 8), "WAVE");
  EXPECT_EQ(Tag(file_, 12), "fmt ");
  EXPECT_EQ(Le(file_, 20, 2), 1u);  // PCM
  EXPECT_EQ(Le(file_, 22, 2), 1u);  // mono
  EXPECT_EQ(Le(file_, 24, 4), static_cast<std::uint32_t>(kRate));
  EXPECT_EQ(Le(file_, 34, 2), 16u);
  EXPECT_EQ(Tag(file_, 36), "data");
  EXPECT_EQ(Le(file_, 40, 4), file_.size() - kHeaderBytes);
}

TEST_P(SoundFileTest, PeaksStayUnderMinusOneDbfsAndEdgesAreSilent) {
  const std::vector<double> s = SamplesOf(file_);
  ASSERT_FALSE(s.empty());
  double peak = 0;
  for (double x : s) peak = std::max(peak, std::fabs(x));
  EXPECT_LE(20 * std::log10(peak), kPeakMostDbfs);
  EXPECT_LT(std::fabs(s.front()), 0.001) << "a click at the start";
  EXPECT_LT(std::fabs(s.back()), 0.001) << "a click at the end";
}

TEST_P(SoundFileTest, LengthSuitsItsPart) {
  const double seconds = static_cast<double>(SamplesOf(file_).size()) / kRate;
  EXPECT_GE(seconds, GetParam().shortest);
  EXPECT_LE(seconds, GetParam().longest);
}

TEST_P(SoundFileTest, LoudnessNearTheTarget) {
  EXPECT_NEAR(GatedLoudnessDb(SamplesOf(file_)), kLoudnessTargetDb, kLoudnessSpreadDb);
}

INSTANTIATE_TEST_SUITE_P(Effects, SoundFileTest, ::testing::ValuesIn(kLengths),
                         [](const auto& info) {
                           return std::string(SoundEffectName(info.param.effect));
                         });

TEST(SoundFiles, EveryEffectHasALengthRow) {
  EXPECT_EQ(std::size(kLengths), kSoundEffectCount);
}

TEST(SoundFiles, AllTogetherUnderTwoMegabytes) {
  std::uintmax_t total = 0;
  for (const SoundEffectInfo& info : kSoundEffects) total += fs::file_size(FileOf(info.effect));
  EXPECT_LT(total, kAllFilesMostBytes);
}

}  // namespace
