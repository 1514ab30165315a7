#include "core/batting/ShotDanger.h"

#include <array>
#include <optional>

namespace {

constexpr std::size_t kShots = 5;

// The ball's line at the batting crease, in five bands of ground x (bounds
// included). A ball at 270 or left of it, or at 360 or right of it, is no
// danger to any shot.
struct LineBand {
  i16 from, to;
};
constexpr std::array<LineBand, 5> kLineBands = {
    {{271, 279}, {280, 314}, {315, 329}, {330, 339}, {340, 359}}};

//                                                        271-279 280-314 315-329 330-339 340-359
constexpr std::array<std::array<i16, 5>, kShots> kLineDanger = {{
    {4, 1, 1, 1, 2},  // 0 Defensive
    {2, 1, 1, 3, 3},  // 1 Front Foot Drive
    {4, 3, 2, 1, 1},  // 2 Leg Glance
    {4, 3, 1, 1, 1},  // 3 Hook
    {1, 1, 3, 4, 4},  // 4 Square Cut
}};

// The ball's length: a smaller pitch y is nearer the batsman (fuller).
constexpr i16 kGoodLengthFrom = 222;  // below this the ball is full
constexpr i16 kShortFrom = 250;       // from here on the ball is short

//                                                         full  good  short
constexpr std::array<std::array<i16, 3>, kShots> kLengthDanger = {{
    {1, 1, 3},  // 0 Defensive
    {1, 3, 5},  // 1 Front Foot Drive
    {1, 2, 3},  // 2 Leg Glance
    {5, 3, 1},  // 3 Hook
    {5, 3, 1},  // 4 Square Cut
}};

std::optional<std::size_t> LineBandOf(i16 ballCrossX) {
  for (std::size_t band = 0; band < kLineBands.size(); ++band)
    if (ballCrossX >= kLineBands[band].from && ballCrossX <= kLineBands[band].to) return band;
  return std::nullopt;
}

std::size_t LengthBandOf(i16 pitchY) {
  if (pitchY < kGoodLengthFrom) return 0;
  return pitchY < kShortFrom ? 1 : 2;
}

}  // namespace

i16 ShotDangerOf(i16 shotCode, i16 ballCrossX, i16 pitchY) {
  if (shotCode < 0 || shotCode >= static_cast<i16>(kShots)) RaiseError(kErrSubscript);
  const auto shot = static_cast<std::size_t>(shotCode);
  const auto band = LineBandOf(ballCrossX);
  const i16 line = band ? kLineDanger[shot][*band] : i16{0};
  return int16::Add(line, kLengthDanger[shot][LengthBandOf(pitchY)]);
}
