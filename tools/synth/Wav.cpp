#include "synth/Wav.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string_view>

namespace synth {

namespace {

constexpr std::uint16_t kPcm = 1, kMono = 1, kBitsPerSample = 16, kBytesPerSample = 2;
constexpr std::uint32_t kFmtChunkBytes = 16;
constexpr std::uint32_t kHeaderBytesAfterRiffSize = 36;  // "WAVE", the fmt chunk, the data header
constexpr double kFullScale = 32767.0;

void Put(std::vector<std::uint8_t>& out, std::string_view tag) {
  out.insert(out.end(), tag.begin(), tag.end());
}

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
  Put16(out, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace

std::vector<std::int16_t> ToPcm16(const Signal& signal) {
  std::vector<std::int16_t> pcm(signal.size());
  for (std::size_t i = 0; i < signal.size(); ++i) {
    const double v = std::clamp(std::round(signal[i] * kFullScale), -kFullScale, kFullScale);
    pcm[i] = static_cast<std::int16_t>(v);
  }
  return pcm;
}

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples, int sampleRate) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
  const auto rate = static_cast<std::uint32_t>(sampleRate);
  std::vector<std::uint8_t> out;
  Put(out, "RIFF");
  Put32(out, kHeaderBytesAfterRiffSize + dataBytes);
  Put(out, "WAVEfmt ");
  Put32(out, kFmtChunkBytes);
  Put16(out, kPcm);
  Put16(out, kMono);
  Put32(out, rate);
  Put32(out, rate * kBytesPerSample);  // bytes per second
  Put16(out, kBytesPerSample);         // block align
  Put16(out, kBitsPerSample);
  Put(out, "data");
  Put32(out, dataBytes);
  for (std::int16_t s : samples) Put16(out, static_cast<std::uint16_t>(s));
  return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace synth
