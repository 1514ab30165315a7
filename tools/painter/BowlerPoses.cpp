#include "painter/BowlerPoses.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace paint {
namespace {

// Figure space: x to the right of the screen, y up the pitch (away from the
// camera, the way he runs), z up; the origin on the ground under him. He is a
// right-arm bowler coming in over the wicket, left of the stumps.

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kStance = 0.35;  // share of a stride a foot is on the ground
// He runs in at a slant across the camera's line, so a little of his left side
// shows and his strides read; he squares up to the batsman in the bound.
constexpr double kRunAngle = 24;

struct AnkleKey {
  double s, y, z;  // swing progress, then where the ankle is (per unit stride)
};

// The swinging foot: kicked up behind, carried through under a high knee, and
// reached out to land. y is in strides, z in pixels scaled by the kick.
constexpr std::array<AnkleKey, 5> kSwing = {{
    {0.0, -0.5, 0.0},
    {0.28, -0.3, 1.0},
    {0.58, 0.12, 0.8},
    {0.85, 0.52, 0.3},
    {1.0, 0.5, 0.0},
}};

Vec3 SwingAnkle(double s, double stride, double kick) {
  size_t k = 1;
  while (k + 1 < kSwing.size() && kSwing[k].s < s) ++k;
  const AnkleKey& a = kSwing[k - 1];
  const AnkleKey& b = kSwing[k];
  const double t = (s - a.s) / (b.s - a.s);
  const double e = t * t * (3 - 2 * t);
  return {0, (a.y + (b.y - a.y) * e) * stride, 6 + (a.z + (b.z - a.z) * e) * kick};
}

// A foot `phase` of the way through its stride (0: it lands in front).
void Foot(double phase, double stride, double kick, Vec3& ankle, Vec3& toe) {
  if (phase < kStance) {
    ankle = {0, (0.5 - phase / kStance) * stride, 6};
    toe = {0, 1, 0};
    return;
  }
  const double s = (phase - kStance) / (1 - kStance);
  ankle = SwingAnkle(s, stride, kick);
  const double point = 1.4 * std::sin(std::numbers::pi * std::min(1.0, s / 0.75));
  toe = {0, std::cos(point), -std::sin(point)};
}

// One tile of the run: phase 0 has the left foot landing; vigour grows from a
// springy jog at the start of the run to a full sprint at the crease.
Pose Run(double phase, double vigour) {
  Pose p;
  const double stride = 40 + 36 * vigour, kick = 56 + 34 * vigour;
  Foot(phase, stride, kick, p.ankleL, p.toeL);
  Foot(std::fmod(phase + 0.5, 1.0), stride, kick, p.ankleR, p.toeR);
  p.ankleL.x = -7;
  p.ankleR.x = 7;
  const double c = std::cos(kTwoPi * phase);
  p.pelvis = {2.5 * c, 4 + 4 * vigour, 100 + 3 * std::cos(2 * kTwoPi * phase)};
  p.hipYaw = -8 * c;
  p.chestYaw = 10 * c;
  p.spine = {0, 0.12 + 0.22 * vigour, 1};
  p.headTilt = {0, 0.05, 1};
  p.gaze = {0, 1, -0.05};
  const double swing = 14 + 12 * vigour;
  p.handR = {17 - 5 * c, 12 + swing * c, 124 + 20 * c};
  p.handL = {-17 - 5 * c, 12 - swing * c, 124 - 20 * c};
  p.elbowL = {-0.8, -1, -0.3};
  p.elbowR = {0.8, -1, -0.3};
  p.kneeL = p.kneeR = {0, 1, 0.2};
  p.ballInHand = true;
  return p;
}

Pose AtMark() {
  Pose p = Run(0, 0);
  p.ankleL = {-9, 2, 6};
  p.ankleR = {9, -2, 6};
  p.toeL = p.toeR = {0, 1, 0};
  p.pelvis = {0, 0, 103};
  p.spine = {0, 0.03, 1};
  p.hipYaw = p.chestYaw = 0;
  p.handL = {-25, 0, 96};
  p.handR = {25, 2, 96};
  p.elbowL = {-0.3, -1, 0};
  p.elbowR = {0.3, -1, 0};
  return p;
}

// --- The bound: off the left foot, turning side-on in the air ---

Pose TakeOff() {
  Pose p = Run(0.5, 1);
  p.ankleL = {-6, -24, 16};
  p.toeL = {0, 0.5, -0.85};
  p.ankleR = {7, 26, 46};
  p.toeR = {0, 1, -0.3};
  p.pelvis = {0, 2, 108};
  p.hipYaw = 12;
  p.chestYaw = 20;
  p.handL = {-18, 32, 150};
  p.handR = {14, 14, 140};
  p.elbowL = {-1, 0, -0.3};
  p.elbowR = {1, -0.2, -0.5};
  return p;
}

Pose Airborne() {
  Pose p = TakeOff();
  p.ankleL = {-8, -18, 44};
  p.ankleR = {8, 22, 56};
  p.pelvis = {0, 6, 120};
  p.hipYaw = 50;
  p.chestYaw = 65;
  p.spine = {0, 0.05, 1};
  p.handL = {-12, 40, 228};
  p.handR = {12, 16, 168};
  p.elbowL = {-1, 0.2, 0};
  return p;
}

Pose BackFootLands() {  // side-on on the back foot, front arm up at the batsman
  Pose p = Airborne();
  p.ankleR = {4, 0, 6};
  p.toeR = {1, 0.3, 0};
  p.kneeR = {0.6, 1, 0};
  p.ankleL = {-6, 36, 40};
  p.toeL = {0, 1, -0.2};
  p.kneeL = {0, 1, 0.5};
  p.pelvis = {0, 5, 100};
  p.hipYaw = 80;
  p.chestYaw = 90;
  p.spine = {0.08, -0.15, 1};
  p.headTilt = {0, 0.1, 1};
  p.handL = {-6, 46, 224};
  p.handR = {22, -26, 122};
  p.elbowR = {0.5, 0, -1};
  return p;
}

// --- The delivery stride: the arm goes round behind and over the top ---

Pose FrontLegReaches() {
  Pose p = BackFootLands();
  p.ankleL = {-4, 40, 18};
  p.toeL = {0, 1, 0.2};
  p.kneeL = {0, 1, 0.3};
  p.pelvis = {0, 10, 99};
  p.hipYaw = 80;
  p.chestYaw = 95;
  p.spine = {0.05, -0.25, 1};
  p.handL = {-4, 50, 214};
  p.handR = {26, -50, 112};
  return p;
}

Pose FrontFootLands() {
  Pose p = FrontLegReaches();
  p.ankleL = {-6, 46, 6};
  p.toeL = {0.1, 1, 0};
  p.ankleR = {6, -2, 9};
  p.toeR = {1, 0.3, -0.2};
  p.pelvis = {0, 20, 97};
  p.hipYaw = 60;
  p.chestYaw = 80;
  p.spine = {0, -0.15, 1};
  p.handL = {-20, 50, 186};
  p.handR = {28, -45, 168};
  p.elbowR = {0.4, -0.5, 1};
  return p;
}

Pose ArmBehindHead() {
  Pose p = FrontFootLands();
  p.ankleR = {7, -4, 12};
  p.toeR = {0.5, 0.5, -0.7};
  p.pelvis = {0, 24, 100};
  p.hipYaw = 40;
  p.chestYaw = 50;
  p.spine = {0, -0.02, 1};
  p.handL = {-30, 32, 150};
  p.handR = {24, -24, 218};
  p.elbowL = {-1, 0, -0.5};
  p.elbowR = {0.5, -1, 0.3};
  return p;
}

Pose ArmOverTop() {
  Pose p = ArmBehindHead();
  p.pelvis = {0, 28, 103};
  p.hipYaw = 20;
  p.chestYaw = 25;
  p.spine = {0, 0.05, 1};
  p.handL = {-26, 12, 124};
  p.handR = {16, -6, 230};
  p.elbowL = {-0.4, -0.5, -1};
  return p;
}

Pose LettingGo() {  // arm straight up by his ear, the ball in his fingers
  Pose p = ArmOverTop();
  p.ankleR = {8, -6, 14};
  p.toeR = {0, 0.5, -0.85};
  p.pelvis = {0, 30, 104};
  p.hipYaw = 10;
  p.chestYaw = 10;
  p.handL = {-30, 0, 112};
  p.handR = {14, 10, 228};
  p.elbowR = {1, -0.3, 0};
  return p;
}

// --- Release and follow-through, away to his left off the pitch ---

Pose Released() {
  Pose p = LettingGo();
  p.ballInHand = false;
  p.ankleR = {8, 0, 20};
  p.pelvis = {-2, 34, 103};
  p.hipYaw = -10;
  p.chestYaw = 0;
  p.spine = {0, 0.15, 1};
  p.handL = {-30, -5, 115};
  p.handR = {8, 52, 222};
  p.elbowR = {0, 1, 0};
  return p;
}

Pose ArmComesDown() {
  Pose p = Released();
  p.ankleR = {4, -15, 42};
  p.toeR = {0, 0.3, -0.95};
  p.pelvis = {-6, 38, 98};
  p.hipYaw = -20;
  p.chestYaw = -30;
  p.spine = {-0.1, 0.45, 1};
  p.handR = {-8, 56, 140};
  p.handL = {-34, 0, 110};
  p.elbowR = {1, 0, 0};
  return p;
}

Pose ArmAcross() {
  Pose p = ArmComesDown();
  p.ankleR = {-4, 22, 30};
  p.toeR = {-0.2, 1, -0.3};
  p.pelvis = {-12, 42, 93};
  p.spine = {-0.15, 0.6, 1};
  p.handR = {-28, 40, 100};
  p.handL = {-36, -10, 120};
  return p;
}

Pose RunningOn() {
  Pose p = ArmAcross();
  p.ankleR = {-2, 66, 6};
  p.toeR = {-0.3, 1, 0};
  p.ankleL = {-6, 30, 30};
  p.toeL = {-0.2, 0.6, -0.8};
  p.pelvis = {-4, 50, 99};
  p.hipYaw = -25;
  p.chestYaw = -20;
  p.spine = {-0.1, 0.3, 1};
  p.handR = {6, 60, 110};
  p.handL = {-22, 30, 112};
  p.elbowL = {-0.3, -1, -0.2};
  return p;
}

Pose SlowingDown() {
  Pose p = RunningOn();
  p.ankleL = {-14, 62, 8};
  p.toeL = {-0.3, 1, 0};
  p.ankleR = {2, 52, 14};
  p.pelvis = {-6, 56, 102};
  p.hipYaw = -20;
  p.chestYaw = -15;
  p.spine = {-0.05, 0.12, 1};
  p.handR = {12, 58, 100};
  p.handL = {-24, 54, 100};
  return p;
}

Pose HandsOnHips() {  // at rest for the rest of the ball, watching the batsman
  Pose p = SlowingDown();
  p.ankleL = {-17, 58, 6};
  p.ankleR = {1, 56, 6};
  p.toeL = {-0.2, 1, 0};
  p.toeR = {0.2, 1, 0};
  p.pelvis = {-8, 58, 104};
  p.hipYaw = -15;
  p.chestYaw = -15;
  p.spine = {0, 0.02, 1};
  p.headTilt = {0.1, 0.1, 1};
  p.gaze = {0.35, 1, -0.1};
  p.handL = {-22, 62, 104};
  p.handR = {6, 56, 104};
  p.elbowL = {-1, 0.4, 0.2};
  p.elbowR = {1, -0.2, 0.3};
  return p;
}

constexpr std::array<Pose (*)(), 14> kDelivery = {
    TakeOff,          // 25
    Airborne,         // 26
    BackFootLands,    // 27
    FrontLegReaches,  // 28
    FrontFootLands,   // 29
    ArmBehindHead,    // 30
    ArmOverTop,       // 31
    LettingGo,        // 32
    Released,         // 33
    ArmComesDown,     // 34
    ArmAcross,        // 35
    RunningOn,        // 36
    SlowingDown,      // 37
    HandsOnHips,      // 38
};

}  // namespace

Pose BowlerPose(int tile) {
  if (tile == 0) return Turned(AtMark(), kRunAngle);
  if (tile <= RunUpTilesLast) {
    const double phase = static_cast<double>((tile - 1) % RunCycleTiles) / RunCycleTiles;
    const double vigour = static_cast<double>(tile - 1) / (RunUpTilesLast - 1);
    return Turned(Run(phase, vigour), kRunAngle);
  }
  const int step = tile - RunUpTilesLast - 1;
  const double straighten = std::max(0.0, 1.0 - (step + 1) / 4.0);
  return Turned(kDelivery.at(static_cast<size_t>(step))(), kRunAngle * straighten);
}

}  // namespace paint
