#pragma once
// Everything a match remembers, in one object that lives for the whole run of
// the program. Names are the game's own; units are display pixels (x right,
// y down, the batting end at the top) and ticks of the game timer.
//
// Whole numbers are 16-bit (see Int16.h); a flag is a plain bool; singles are
// 32-bit floats. Every value starts at zero / false / empty when the program
// starts; Begin sets the match-start part, NewBall the per-ball part. The
// display the match is drawn on is not part of it (MatchDisplay.h).

#include <array>
#include <string>

#include "core/model/Int16.h"

using RunUpTable = std::array<i16, 62>;  // indices 0..61
using ShotTable = std::array<i16, 21>;   // indices 0..20

struct MatchState {
  // --- Sprite frame tables (zeros until the first Begin fills them) ---
  RunUpTable RunUpFrames{};
  ShotTable StanceFrames{};
  ShotTable DriveFrames{};
  ShotTable GlanceFrames{};
  ShotTable HookFrames{};
  ShotTable CutFrames{};

  // --- Bowler and bowling cursor ---
  i16 BallPace = 0;  // 0 fast, 1 fast/medium, 2 slow; also the cursor's tile
  i16 BowlCursorX = 0, BowlCursorY = 0;
  i16 CursorVX = 0, CursorVY = 0;
  i16 CursorAccel = 0;
  i16 CursorStep = 0;  // "Simulation" sweep: y advance per tick
  bool LeftHeld = false, RightHeld = false, UpHeld = false, DownHeld = false;
  bool RunUpStarted = false;
  i16 RunUpCounter = 0;  // run-up ticks so far, 0..60
  i16 BowlerY = 0;
  i16 BowlerX = 0;
  bool CpuBowling = false;

  // --- Batsman and shot ---
  i16 BatsmanX = 0;  // the batting marker's x on the crease
  i16 BatsmanVX = 0;
  bool BatLeftHeld = false, BatRightHeld = false;  // Z, X
  i16 BatsmanSpriteX = 0;
  i16 ShotKey = 0;   // 0 Defensive, 1 Front Foot Drive, 2 Leg Glance, 3 Hook, 4 Square Cut
  i16 ShotCode = 0;  // the shot actually played
  bool ShotPlayed = false;
  i16 ShotFrameBase = 0;
  i16 BatTolerance = 0;
  i16 TimingLine = 0;
  i16 ShotDanger = 0;
  float ShotVX = 0, ShotVY = 0;

  // --- Ball ---
  float BallX = 0, BallY = 0;            // ground point (its shadow)
  i16 BallSpriteX = 0, BallSpriteY = 0;  // drawn point; BallY - BallSpriteY is the height
  float BallVX = 0, BallVY = 0;
  float BallClimb = 0;
  float LaunchClimb = 0;
  float BallAngle = 0;
  i16 PitchX = 0, PitchY = 0;
  i16 DeliveryPace = 0;
  bool PitchChosen = false;
  bool BallBowled = false;
  bool BallBounced = false;
  i16 BallCounter = 0;  // flight ticks since the release, 0..61
  i16 StumpsFrame = 0;
  i16 BallCrossX = 0;
  bool StumpCheckDone = false, WideCalled = false, BallPastBat = false;
  bool Bowled = false;
  bool WideBall = false;
  bool BallStopped = false;
  std::string OutcomeText;

  // --- Match flow and score ---
  bool FirstInnings = false;
  i16 Team1Runs = 0, Team2Runs = 0;
  i16 Team1Wickets = 0, Team2Wickets = 0;
  i16 BallsInOver = 0;
  i16 OversBowled = 0;
  bool InningsBreak = false;
  bool QuitGame = false;
  i16 CpuBatSpread = 0;

  bool operator==(const MatchState&) const = default;
};

// Reads a frame table; an index outside it raises "Subscript out of range".
template <std::size_t N>
i16 FrameAt(const std::array<i16, N>& table, long long index) {
  if (index < 0 || index >= static_cast<long long>(N)) RaiseError(kErrSubscript);
  return table[static_cast<std::size_t>(index)];
}
