#include "net/StateHash.h"

#include <bit>
#include <string>

#include "core/model/MatchState.h"

namespace net {

namespace {

// FNV-1a, 64 bits: plenty to tell two states apart by accident's standards.
class Fnv {
 public:
  void Bytes(std::uint64_t value, int count) {
    for (int i = 0; i < count; ++i) {
      hash_ ^= (value >> (8 * i)) & 0xFF;
      hash_ *= 0x100000001B3ull;
    }
  }
  void Add(bool value) { Bytes(value ? 1 : 0, 1); }
  void Add(i16 value) { Bytes(static_cast<std::uint16_t>(value), 2); }
  void Add(float value) { Bytes(std::bit_cast<std::uint32_t>(value), 4); }
  void Add(const std::string& text) {
    Bytes(text.size(), 4);
    for (char c : text) Bytes(static_cast<unsigned char>(c), 1);
  }
  template <std::size_t N>
  void Add(const std::array<i16, N>& table) {
    for (i16 value : table) Add(value);
  }
  template <typename... T>
  void All(const T&... values) {
    (Add(values), ...);
  }
  std::uint64_t Value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

}  // namespace

// Every field of the match state, in its order.
std::uint64_t StateHash(const MatchState& s) {
  Fnv f;
  f.All(s.RunUpFrames, s.StanceFrames, s.DriveFrames, s.GlanceFrames, s.HookFrames, s.CutFrames);
  f.All(s.BallPace, s.BowlCursorX, s.BowlCursorY, s.CursorVX, s.CursorVY, s.CursorAccel,
        s.CursorStep, s.LeftHeld, s.RightHeld, s.UpHeld, s.DownHeld, s.RunUpStarted, s.RunUpCounter,
        s.BowlerY, s.BowlerX, s.CpuBowling);
  f.All(s.BatsmanX, s.BatsmanVX, s.BatLeftHeld, s.BatRightHeld, s.BatsmanSpriteX, s.ShotKey,
        s.ShotCode, s.ShotPlayed, s.ShotFrameBase, s.BatTolerance, s.TimingLine, s.ShotDanger,
        s.ShotVX, s.ShotVY);
  f.All(s.BallX, s.BallY, s.BallSpriteX, s.BallSpriteY, s.BallVX, s.BallVY, s.BallClimb,
        s.LaunchClimb, s.BallAngle, s.PitchX, s.PitchY, s.DeliveryPace, s.PitchChosen, s.BallBowled,
        s.BallBounced, s.BallCounter, s.StumpsFrame, s.BallCrossX, s.StumpCheckDone, s.WideCalled,
        s.BallPastBat, s.Bowled, s.WideBall, s.BallStopped, s.OutcomeText);
  f.All(s.FirstInnings, s.Team1Runs, s.Team2Runs, s.Team1Wickets, s.Team2Wickets, s.BallsInOver,
        s.OversBowled, s.InningsBreak, s.QuitGame, s.CpuBatSpread);
  return f.Value();
}

}  // namespace net
