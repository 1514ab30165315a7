// The committed sound effects are what the synthesizer makes now, and none
// clips or clicks. (That the game can read them is the loudspeaker's test.)
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

constexpr std::size_t kHeaderBytes = 44;
constexpr double kPeakMostDbfs = -1.0;
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

std::vector<std::int16_t> PcmOf(const Bytes& b) {
  std::vector<std::int16_t> s;
  for (std::size_t at = kHeaderBytes; at + 1 < b.size(); at += 2)
    s.push_back(static_cast<std::int16_t>(b[at] | (b[at + 1] << 8)));
  return s;
}

// The same sound but for rounding: as long, no sample more than a few levels apart.
bool WithinRounding(const std::vector<std::int16_t>& a, const std::vector<std::int16_t>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::abs(a[i] - b[i]) > kMostSampleLevels) return false;
  return true;
}

class SoundFileTest : public ::testing::TestWithParam<SoundEffectInfo> {
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

TEST_P(SoundFileTest, PeaksStayUnderMinusOneDbfsAndEdgesAreSilent) {
  const std::vector<std::int16_t> s = PcmOf(file_);
  ASSERT_FALSE(s.empty());
  int peak = 0;
  for (std::int16_t x : s) peak = std::max(peak, std::abs(static_cast<int>(x)));
  EXPECT_LE(20 * std::log10(peak / 32768.0), kPeakMostDbfs);
  EXPECT_LT(std::abs(s.front()), 33) << "a click at the start";
  EXPECT_LT(std::abs(s.back()), 33) << "a click at the end";
}

INSTANTIATE_TEST_SUITE_P(Effects, SoundFileTest, ::testing::ValuesIn(kSoundEffects),
                         [](const auto& info) {
                           return std::string(SoundEffectName(info.param.effect));
                         });

}  // namespace
