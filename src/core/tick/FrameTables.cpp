#include "core/tick/FrameTables.h"

namespace {

// The bowler's run-up, one entry per run-up tick: each of tiles 2..27 for two
// ticks, then 28..32 one tick each as he reaches the crease. Entries 0..10 are
// also the batsman's pick-up of the bat while an unplayed ball comes.
constexpr RunUpTable kRunUp = {1,  1,  1,  1,  2,  2,  3,  3,  4,  4,   //
                               5,  5,  6,  6,  7,  7,  8,  8,  9,  9,   //
                               10, 10, 11, 11, 12, 12, 13, 13, 14, 14,  //
                               15, 15, 16, 16, 17, 17, 18, 18, 19, 19,  //
                               20, 20, 21, 21, 22, 22, 23, 23, 24, 24,  //
                               25, 25, 26, 26, 27, 27, 28, 29, 30, 31,  //
                               32, 0};

// The batsman's tiles, by ticks since the animation began. Each shot swings out
// to its extreme tile and back; the last entry is never written and stays 0.
//                                 0   1   2   3   4   5   6   7   8   9  10  11  12  13  14  15  16
//                                 17  18  19  20
constexpr ShotTable kStance = {0, 0, 0, 0, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 0, 0, 0, 0, 0};
constexpr ShotTable kDrive = {6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 10, 10, 9, 9, 9, 8, 8, 8, 7, 6, 0};
constexpr ShotTable kGlance = {11, 12, 13, 14, 14, 15, 15, 16, 16, 16, 16,
                               15, 15, 14, 14, 14, 14, 13, 13, 13, 0};
constexpr ShotTable kHook = {17, 17, 18, 18, 19, 20, 21, 22, 23, 24, 24,
                             24, 24, 24, 23, 22, 37, 37, 37, 37, 0};
constexpr ShotTable kCut = {25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 34,
                            35, 35, 36, 36, 36, 36, 37, 37, 37, 0};

}  // namespace

const RunUpTable& RunUpFrameTable() {
  return kRunUp;
}

void FillFrameTables(MatchState& s) {
  s.RunUpFrames = kRunUp;
  s.StanceFrames = kStance;
  s.DriveFrames = kDrive;
  s.GlanceFrames = kGlance;
  s.HookFrames = kHook;
  s.CutFrames = kCut;
}
