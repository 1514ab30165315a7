#include "painter/Pose.h"

#include <algorithm>

namespace paint {
namespace {

double Mix(double a, double b, double t) {
  return a + (b - a) * t;
}

// Directions blend along the shorter way round and keep unit length.
Vec3 Turn(Vec3 a, Vec3 b, double t) {
  return Normalised(Lerp(Normalised(a), Normalised(b), t));
}

QColor Scaled(QColor c, double k) {
  auto channel = [k](int v) { return std::clamp(static_cast<int>(v * k + 0.5), 0, 255); };
  return QColor(channel(c.red()), channel(c.green()), channel(c.blue()));
}

QColor Toward(QColor c, QColor to, double t) {
  auto channel = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
  return QColor(channel(c.red(), to.red()), channel(c.green(), to.green()),
                channel(c.blue(), to.blue()));
}

}  // namespace

Pose Blend(const Pose& a, const Pose& b, double t) {
  Pose p = a;
  p.pelvis = Lerp(a.pelvis, b.pelvis, t);
  p.hipYaw = Mix(a.hipYaw, b.hipYaw, t);
  p.spine = Turn(a.spine, b.spine, t);
  p.chestYaw = Mix(a.chestYaw, b.chestYaw, t);
  p.headTilt = Turn(a.headTilt, b.headTilt, t);
  p.gaze = Turn(a.gaze, b.gaze, t);
  p.handL = Lerp(a.handL, b.handL, t);
  p.handR = Lerp(a.handR, b.handR, t);
  p.elbowL = Turn(a.elbowL, b.elbowL, t);
  p.elbowR = Turn(a.elbowR, b.elbowR, t);
  p.ankleL = Lerp(a.ankleL, b.ankleL, t);
  p.ankleR = Lerp(a.ankleR, b.ankleR, t);
  p.kneeL = Turn(a.kneeL, b.kneeL, t);
  p.kneeR = Turn(a.kneeR, b.kneeR, t);
  p.toeL = Turn(a.toeL, b.toeL, t);
  p.toeR = Turn(a.toeR, b.toeR, t);
  p.batTop = Lerp(a.batTop, b.batTop, t);
  p.batDir = Turn(a.batDir, b.batDir, t);
  p.batFace = Turn(a.batFace, b.batFace, t);
  p.ballInHand = t < 0.5 ? a.ballInHand : b.ballInHand;
  return p;
}

Pose Turned(const Pose& pose, double degrees) {
  const Vec3 x = RightOf(degrees), y = FacingOf(degrees);
  auto turn = [x, y](Vec3 v) { return x * v.x + y * v.y + Vec3{0, 0, v.z}; };
  Pose p = pose;
  for (Vec3* v : {&p.pelvis, &p.spine, &p.headTilt, &p.gaze, &p.handL, &p.handR, &p.elbowL,
                  &p.elbowR, &p.ankleL, &p.ankleR, &p.kneeL, &p.kneeR, &p.toeL, &p.toeR, &p.batTop,
                  &p.batDir, &p.batFace}) {
    *v = turn(*v);
  }
  p.hipYaw += degrees;
  p.chestYaw += degrees;
  return p;
}

Tone ToneOf(QColor base) {
  return {Toward(base, Qt::white, 0.35), base, Scaled(base, 0.72), Scaled(base, 0.38)};
}

}  // namespace paint
