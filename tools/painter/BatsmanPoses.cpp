#include "painter/BatsmanPoses.h"

#include <array>

namespace paint {
namespace {

// Figure space: x to the leg side (screen right), y back towards the stumps
// (away from the camera), z up; the origin on the crease between his feet.
// He faces the off side (yaw -90); opening the chest to the bowler turns the
// yaw towards -180.

// --- Legs ---

void Square(Pose& p) {  // side-on, feet either side of the crease
  p.pelvis = {3, 0, 102};
  p.hipYaw = -90;
  p.ankleL = {-1, -16, 6};
  p.toeL = {-0.5, -0.85, 0};
  p.kneeL = {-1, -0.2, 0};
  p.ankleR = {3.5, 16, 6};
  p.toeR = {-0.7, 0.7, 0};
  p.kneeR = {-1, 0.1, 0};
}

void FrontFootForward(Pose& p, double reach) {  // the stride of a drive, push or glance
  p.ankleL = {-24 * reach, -16 - 2 * reach, 6};
  p.toeL = {-1, -0.35, 0};
  p.kneeL = {-0.45, -1, 0.1};
  p.ankleR = {3, 15, 9};
  p.toeR = {-0.8, 0.25, -0.55};
  p.kneeR = {-1, -0.2, -0.3};
  p.pelvis = {3 - 10 * reach, -3, 93};
  p.hipYaw = -100;
}

void BackAndAcross(Pose& p, double across) {  // weight back for a short ball
  p.ankleR = {2 - 22 * across, 16 + 4 * across, 6};
  p.toeR = {-1, -0.3, 0};
  p.kneeR = {-1, -0.3, 0};
  p.ankleL = {-1 - 6 * across, -16 + 6 * across, 6};
  p.toeL = {-1, -0.6, 0};
  p.kneeL = {-1, -0.5, 0};
  p.pelvis = {3 - 14 * across, 2 + 4 * across, 100};
  p.hipYaw = -90 - 30 * across;
}

void Bat(Pose& p, Vec3 top, Vec3 toward, Vec3 face) {
  p.holdsBat = true;
  p.batTop = top;
  p.batDir = toward;
  p.batFace = face;
}

void Look(Pose& p, Vec3 spine, double chestYaw, Vec3 headTilt, Vec3 gaze) {
  p.spine = spine;
  p.chestYaw = chestYaw;
  p.headTilt = headTilt;
  p.gaze = gaze;
}

// --- Stance and pick-up ---

Pose Stance() {
  Pose p;
  Square(p);
  Look(p, {-0.33, -0.05, 1}, -120, {-0.1, -0.25, 1}, {-0.3, -1, -0.2});
  Bat(p, {-24, -10, 102}, {-0.2, 0.1, -0.98}, {-0.55, -0.8, 0});
  p.elbowL = {-0.2, -1, 0};
  p.elbowR = {0.3, 0.4, -0.6};
  return p;
}

// Half way up: the toe of the bat lifted back past his heels.
Pose PickUp() {
  Pose p = Stance();
  p.pelvis = {4, 1, 102};
  Bat(p, {-9, 0, 110}, {0.8, 0.5, -0.3}, {-0.3, -0.9, 0.1});
  return p;
}

// The top of the pick-up: bat cocked up behind him, hands at his back hip.
Pose BackliftTop() {
  Pose p = Stance();
  p.pelvis = {5.5, 1, 101.5};
  Look(p, {-0.29, -0.02, 1}, -115, {-0.12, -0.25, 1}, {-0.3, -1, -0.25});
  Bat(p, {-4, 6, 112}, {0.55, 0.35, 0.76}, {-0.6, -0.7, 0.2});
  p.elbowL = {-0.3, -1, -0.3};
  p.elbowR = {0.4, 0.6, -0.6};
  return p;
}

// --- Drive; its first three tiles are the forward defensive push ---

Pose DriveStep() {  // front foot going out to the ball, bat still high
  Pose p = BackliftTop();
  FrontFootForward(p, 0.45);
  p.ankleL.z = 14;
  p.pelvis = {0, -1, 99};
  Look(p, {-0.4, -0.15, 1}, -110, {-0.1, -0.3, 1}, {-0.35, -1, -0.35});
  Bat(p, {-2, 6, 116}, {0.6, 0.35, 0.72}, {-0.6, -0.7, 0.2});
  return p;
}

Pose DriveDown() {  // front foot landing, the bat coming down behind him
  Pose p = DriveStep();
  FrontFootForward(p, 0.9);
  Look(p, {-0.47, -0.28, 1}, -105, {-0.12, -0.35, 1}, {-0.3, -0.8, -0.5});
  Bat(p, {-22, -16, 104}, {0.8, 0.5, -0.33}, {-0.3, -0.9, 0});
  p.elbowL = {-0.5, -1, 0};
  return p;
}

Pose DrivePush() {  // bat straight, face to the bowler, head over the ball
  Pose p = DriveDown();
  FrontFootForward(p, 1.0);
  Look(p, {-0.5, -0.35, 1}, -100, {-0.15, -0.4, 1}, {-0.3, -0.75, -0.6});
  Bat(p, {-31, -36, 99}, {-0.04, 0.2, -0.98}, {-0.2, -1, 0});
  p.elbowL = {-0.6, -1, 0.3};
  p.elbowR = {0.2, 0.3, -1};
  return p;
}

Pose DriveThrough() {  // bat swung through towards cover
  Pose p = DrivePush();
  p.pelvis = {-8, -4, 94};
  Look(p, {-0.42, -0.3, 1}, -125, {-0.1, -0.3, 1}, {-0.5, -0.9, -0.3});
  Bat(p, {-30, -22, 100}, {-0.7, -0.7, 0.15}, {0.1, -0.3, 1});
  p.elbowL = {-0.3, -0.6, -1};
  p.elbowR = {0.3, 0.2, -1};
  return p;
}

Pose DriveFinish() {  // high finish, bat up beside his head, watching it go
  Pose p = DrivePush();
  p.pelvis = {-10, -6, 96};
  Look(p, {-0.3, -0.3, 1}, -135, {-0.1, -0.2, 1}, {-0.6, -0.8, 0});
  Bat(p, {-50, -32, 108}, {-0.05, 0.25, 0.97}, {-0.4, -1, 0});
  p.elbowL = {0.2, -0.5, -1};
  p.elbowR = {0.6, 0.2, -1};
  return p;
}

// --- Leg glance: bat meets the ball in front of the front pad, then turns it fine ---

Pose GlanceDown() {
  Pose p = BackliftTop();
  FrontFootForward(p, 0.3);
  p.pelvis = {0, -3, 97};
  Look(p, {-0.35, -0.25, 1}, -108, {-0.1, -0.35, 1}, {-0.1, -0.8, -0.5});
  Bat(p, {-14, -22, 108}, {0.7, 0.3, -0.6}, {-0.2, -0.95, 0});
  return p;
}

Pose GlanceContact() {
  Pose p = GlanceDown();
  FrontFootForward(p, 0.25);
  p.pelvis = {-2, -4, 96};
  Look(p, {-0.35, -0.3, 1}, -110, {-0.1, -0.4, 1}, {0.1, -0.8, -0.6});
  Bat(p, {-17, -33, 104}, {0.03, 0.06, -0.99}, {0.7, -0.7, 0});
  p.elbowL = {-0.4, -1, 0.2};
  p.elbowR = {0.3, 0.3, -1};
  return p;
}

Pose GlanceFinish() {  // bat turned away to the leg side, eyes following the ball fine
  Pose p = GlanceContact();
  p.pelvis = {0, -2, 97};
  Look(p, {-0.2, -0.2, 1}, -75, {0.1, -0.1, 1}, {0.8, 0.3, -0.3});
  Bat(p, {-8, -25, 104}, {0.85, 0.1, -0.5}, {0.3, 0.9, 0});
  p.elbowL = {0, -1, -0.3};
  return p;
}

// --- Hook: back and across, bat swept round from the off side to the leg side ---

Pose HookCocked() {
  Pose p = BackliftTop();
  BackAndAcross(p, 0.6);
  Look(p, {-0.12, 0.05, 1}, -150, {0, -0.1, 1}, {-0.1, -1, 0.25});
  Bat(p, {-22, 2, 114}, {-0.6, 0.55, 0.55}, {-0.4, -0.8, 0.3});
  p.elbowL = {0.3, -1, -0.3};
  p.elbowR = {-1, 0.3, -0.3};
  return p;
}

Pose HookSwing() {  // bat flat across the chest, the toe trailing on the off side
  Pose p = HookCocked();
  Look(p, {-0.05, 0.05, 1}, -175, {0, -0.1, 1}, {0, -1, 0.2});
  Bat(p, {34, -26, 114}, {-0.95, -0.2, 0.2}, {0, -1, 0.2});
  p.elbowL = {0.6, -0.3, -1};
  p.elbowR = {-0.2, -0.5, -1};
  return p;
}

Pose HookThrough() {  // the toe comes round towards the camera
  Pose p = HookSwing();
  Look(p, {0.05, 0.05, 1}, 160, {0.05, -0.05, 1}, {0.4, -0.9, 0.2});
  Bat(p, {22, -16, 120}, {-0.3, -0.95, 0.1}, {0.9, 0, 0.3});
  return p;
}

Pose HookFinish() {  // bat wrapped up over the left shoulder, facing the leg side
  Pose p = HookThrough();
  Look(p, {0.1, 0.05, 1}, 120, {0.1, 0, 1}, {0.9, 0.2, 0.3});
  Bat(p, {16, -8, 124}, {0.65, 0.55, 0.52}, {0.5, -0.8, 0});
  p.elbowL = {1, -0.3, 0};
  p.elbowR = {0.3, -1, -0.2};
  return p;
}

// --- Square cut: back and across to the off side, the bat slashed down past point ---

Pose CutCocked() {
  Pose p = BackliftTop();
  BackAndAcross(p, 0.7);
  Look(p, {-0.3, 0, 1}, -110, {-0.1, -0.2, 1}, {-0.4, -1, -0.1});
  Bat(p, {-2, 10, 118}, {0.5, 0.45, 0.72}, {-0.6, -0.7, 0.3});
  return p;
}

Pose CutSlash() {  // the bat coming across the front, high
  Pose p = CutCocked();
  BackAndAcross(p, 1.0);
  Look(p, {-0.4, -0.1, 1}, -120, {-0.1, -0.25, 1}, {-0.6, -0.8, -0.2});
  Bat(p, {8, -20, 122}, {-0.6, -0.7, 0.2}, {-0.3, 0.1, 1});
  p.elbowL = {-0.4, -0.6, -1};
  return p;
}

Pose CutContact() {  // arms out towards point, bat flat at waist height
  Pose p = CutSlash();
  Look(p, {-0.55, -0.15, 1}, -115, {-0.2, -0.2, 1}, {-0.9, -0.4, -0.3});
  Bat(p, {2, -24, 108}, {-0.97, -0.1, -0.15}, {0, -1, 0.3});
  p.elbowL = {0.2, -0.5, -1};
  p.elbowR = {0.2, 0.3, -1};
  return p;
}

Pose CutFinish() {  // bat down past the off side, bent over it
  Pose p = CutContact();
  p.pelvis.z = 96;
  Look(p, {-0.7, -0.1, 1}, -100, {-0.3, -0.2, 1}, {-0.9, -0.2, -0.5});
  Bat(p, {-22, -20, 96}, {-0.75, 0.2, -0.62}, {-0.2, -1, 0.2});
  p.elbowL = {0.3, -0.5, -1};
  return p;
}

Pose CutHold() {  // standing up again, bat held across in front, watching it to point
  Pose p = CutFinish();
  BackAndAcross(p, 0.8);
  Look(p, {-0.3, -0.05, 1}, -125, {-0.15, -0.2, 1}, {-0.95, -0.3, 0});
  Bat(p, {-10, -22, 104}, {-0.7, -0.2, 0.68}, {-0.2, -1, 0});
  p.elbowL = {0, -0.5, -1};
  return p;
}

// After the hook or the cut: upright, bat held loosely in front, back to the bowler's end.
Pose Recover() {
  Pose p = Stance();
  BackAndAcross(p, 0.4);
  Look(p, {-0.15, -0.05, 1}, -140, {0, -0.2, 1}, {-0.2, -1, 0});
  Bat(p, {-16, -16, 112}, {-0.45, 0.05, 0.9}, {-0.4, -0.9, 0});
  p.elbowL = {-0.2, -0.5, -1};
  p.elbowR = {0.5, -0.2, -1};
  return p;
}

struct Frame {
  Pose (*from)();
  Pose (*to)();
  double t;
};

constexpr std::array<Frame, BatsmanTiles> kFrames = {{
    {Stance, Stance, 0},              // 0 stance
    {Stance, PickUp, 0.3},            // 1 bat lifting
    {Stance, PickUp, 0.65},           // 2
    {PickUp, PickUp, 0},              // 3
    {PickUp, BackliftTop, 0.55},      // 4
    {BackliftTop, BackliftTop, 0},    // 5 ready
    {DriveStep, DriveStep, 0},        // 6 drive / push
    {DriveDown, DriveDown, 0},        // 7
    {DrivePush, DrivePush, 0},        // 8 the push holds here
    {DriveThrough, DriveThrough, 0},  // 9
    {DriveFinish, DriveFinish, 0},    // 10
    {GlanceDown, GlanceDown, 0},      // 11 glance
    {GlanceDown, GlanceContact, 0.55},
    {GlanceContact, GlanceContact, 0},  // 13 the glance holds here
    {GlanceContact, GlanceFinish, 0.35},
    {GlanceContact, GlanceFinish, 0.7},
    {GlanceFinish, GlanceFinish, 0},  // 16
    {HookCocked, HookCocked, 0},      // 17 hook
    {HookCocked, HookSwing, 0.55},
    {HookSwing, HookSwing, 0},  // 19
    {HookSwing, HookThrough, 0.6},
    {HookThrough, HookThrough, 0},  // 21
    {HookThrough, HookFinish, 0.4},
    {HookThrough, HookFinish, 0.75},
    {HookFinish, HookFinish, 0},    // 24
    {BackliftTop, CutCocked, 0.6},  // 25 cut
    {CutCocked, CutCocked, 0},
    {CutCocked, CutSlash, 0.6},
    {CutSlash, CutSlash, 0},  // 28
    {CutSlash, CutContact, 0.6},
    {CutContact, CutContact, 0},  // 30
    {CutContact, CutFinish, 0.25},
    {CutContact, CutFinish, 0.5},
    {CutContact, CutFinish, 0.75},
    {CutFinish, CutFinish, 0},  // 34
    {CutFinish, CutHold, 0.5},
    {CutHold, CutHold, 0},  // 36
    {Recover, Recover, 0},  // 37 after the hook or the cut
}};

}  // namespace

Pose BatsmanPose(int tile) {
  const Frame& f = kFrames.at(static_cast<size_t>(tile));
  return Blend(f.from(), f.to(), f.t);
}

}  // namespace paint
