#include "audio/WavFile.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <string_view>

namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::size_t kChunkHeader = 8;  // four letters, then the size

using Bytes = std::vector<char>;

std::uint32_t At(const Bytes& b, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i)
    value = value << 8 | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
  return value;
}

bool Tag(const Bytes& b, std::size_t at, std::string_view tag) {
  return b.size() >= at + tag.size() && std::memcmp(b.data() + at, tag.data(), tag.size()) == 0;
}

struct Format {
  bool pcm16 = false;
  int channels = 0;
  int rate = 0;
};

Format ReadFormat(const Bytes& b, std::size_t at, std::size_t size) {
  if (size < 16) return {};
  const auto channels = static_cast<int>(At(b, at + 2, 2));
  const bool pcm16 = At(b, at, 2) == kPcm && At(b, at + 14, 2) == kBitsPerSample &&
                     (channels == 1 || channels == 2);
  return {pcm16, channels, static_cast<int>(At(b, at + 4, 4))};
}

// The samples of a data chunk that is there in full and holds whole frames.
std::optional<std::vector<std::int16_t>> ReadSamples(const Bytes& b, std::size_t at,
                                                     std::size_t size, int channels) {
  const std::size_t frameBytes = 2 * static_cast<std::size_t>(channels);
  if (size == 0 || size % frameBytes != 0) return std::nullopt;
  std::vector<std::int16_t> samples(size / 2);
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<std::int16_t>(At(b, at + 2 * i, 2));
  return samples;
}

}  // namespace

// Walks the chunks after the RIFF header: the format must come before the data.
std::optional<WavSound> ReadWav(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const Bytes b((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!Tag(b, 0, "RIFF") || !Tag(b, 8, "WAVE")) return std::nullopt;
  Format format;
  for (std::size_t at = 12; at + kChunkHeader <= b.size();) {
    const std::size_t size = At(b, at + 4, 4);
    const std::size_t body = at + kChunkHeader;
    if (size > b.size() - body) return std::nullopt;  // cut short
    if (Tag(b, at, "fmt ")) format = ReadFormat(b, body, size);
    if (Tag(b, at, "data")) {
      if (!format.pcm16 || format.rate <= 0) return std::nullopt;
      auto samples = ReadSamples(b, body, size, format.channels);
      if (!samples) return std::nullopt;
      return WavSound{format.rate, format.channels, std::move(*samples)};
    }
    at = body + size + size % 2;  // chunks are padded to an even length
  }
  return std::nullopt;
}
