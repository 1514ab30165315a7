#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "audio/WavFile.h"

namespace {

std::string Bytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string Le32(std::uint32_t value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (8 * i) & 0xFF);
  return bytes;
}

std::optional<WavSound> ReadBytes(const std::string& bytes) {
  const std::string path = testing::TempDir() + "sound.wav";
  std::ofstream(path, std::ios::binary) << bytes;
  return ReadWav(path);
}

const std::string kGood = Bytes(GALLOWBY_ASSETS_DIR "/sounds/bat_crack.wav");
constexpr std::size_t kHeader = 44;  // the synthesizer's files: RIFF, fmt, data header

// A chunk the loudspeaker has no use for, between the format and the data, is passed over.
TEST(WavFile, ReadsTheGamesEffectsAndSkipsOtherChunks) {
  const std::string withList =
      kGood.substr(0, 36) + "LIST" + Le32(3) + "abc" + '\0' + kGood.substr(36);
  for (const std::string& bytes : {kGood, withList}) {
    const auto sound = ReadBytes(bytes);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->rate, 22050);
    EXPECT_EQ(sound->channels, 1);
    EXPECT_EQ(sound->samples.size(), (kGood.size() - kHeader) / 2);
  }
}

TEST(WavFile, TurnsAwayWhatTheLoudspeakerCannotPlay) {
  std::string eightBit = kGood, noData = kGood, halfAFrame = kGood;
  eightBit[34] = 8;  // bits per sample
  noData.replace(36, 4, "junk");
  halfAFrame[22] = 2;  // stereo, and three samples of data
  halfAFrame = halfAFrame.substr(0, 40) + Le32(6) + halfAFrame.substr(kHeader, 6);
  const struct {
    const char* what;
    std::string bytes;
  } kSpoilt[] = {
      {"cut short", kGood.substr(0, 200)},
      {"empty", ""},
      {"not RIFF", "RIFX" + kGood.substr(4)},
      {"8-bit", eightBit},
      {"no data chunk", noData},
      {"half a frame", halfAFrame},
      {"a bitmap", Bytes(GALLOWBY_ASSETS_DIR "/cball.bmp")},
  };
  for (const auto& spoilt : kSpoilt) EXPECT_FALSE(ReadBytes(spoilt.bytes)) << spoilt.what;
  EXPECT_FALSE(ReadWav(testing::TempDir() + "missing.wav"));
}

}  // namespace
