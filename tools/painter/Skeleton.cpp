#include "painter/Skeleton.h"

#include <algorithm>

namespace paint {
namespace {

struct Reach {
  Vec3 joint, end;
  double shortfall;
};

// Two bones of lengths a and b from root towards target, bending towards hint.
// A target out of reach is met by the straightened limb as near as it gets.
Reach TwoBones(Vec3 root, Vec3 target, double a, double b, Vec3 hint) {
  const Vec3 toTarget = target - root;
  const double wanted = Length(toTarget);
  const double d = std::clamp(wanted, std::abs(a - b) + 0.01, a + b - 0.01);
  const Vec3 u = Normalised(toTarget);
  Vec3 side = hint - u * Dot(hint, u);
  if (Length(side) < 1e-6) side = Cross(u, Vec3{0, 0, 1});
  side = Normalised(side);
  const double along = (a * a - b * b + d * d) / (2 * d);
  const double across = std::sqrt(std::max(0.0, a * a - along * along));
  return {root + u * along + side * across, root + u * d, std::max(0.0, wanted - d)};
}

void SolveTrunk(const Body& body, const Pose& pose, Joints& j) {
  const Vec3 spine = Normalised(pose.spine);
  j.pelvis = pose.pelvis;
  j.neck = pose.pelvis + spine * body.spine;
  j.waist = pose.pelvis + spine * (body.spine * 0.3);
  j.chest = pose.pelvis + spine * (body.spine * 0.72);
  j.head = j.neck + Normalised(pose.headTilt) * (body.neck + body.headRadius);
  j.gaze = Normalised(pose.gaze);
  j.hipsRight = RightOf(pose.hipYaw);
  j.chestRight = Normalised(Cross(FacingOf(pose.chestYaw), spine));
  j.hipL = j.pelvis - j.hipsRight * body.hipHalf;
  j.hipR = j.pelvis + j.hipsRight * body.hipHalf;
  const Vec3 drop = spine * (-body.headRadius * 0.35);
  j.shoulderL = j.neck + drop - j.chestRight * body.shoulderHalf;
  j.shoulderR = j.neck + drop + j.chestRight * body.shoulderHalf;
}

void SolveLegs(const Body& body, const Pose& pose, Joints& j) {
  const Reach left = TwoBones(j.hipL, pose.ankleL, body.thigh, body.shin, pose.kneeL);
  const Reach right = TwoBones(j.hipR, pose.ankleR, body.thigh, body.shin, pose.kneeR);
  j.kneeL = left.joint;
  j.ankleL = left.end;
  j.kneeR = right.joint;
  j.ankleR = right.end;
  j.toeL = j.ankleL + Normalised(pose.toeL) * body.footFront;
  j.toeR = j.ankleR + Normalised(pose.toeR) * body.footFront;
  j.heelL = j.ankleL - Normalised(pose.toeL) * body.footBack;
  j.heelR = j.ankleR - Normalised(pose.toeR) * body.footBack;
  j.shortfall = std::max({j.shortfall, left.shortfall, right.shortfall});
}

void SolveArms(const Body& body, const BatBuild& bat, const Pose& pose, Joints& j) {
  Vec3 handL = pose.handL, handR = pose.handR;
  if (pose.holdsBat) {
    const Vec3 down = Normalised(pose.batDir);
    handL = pose.batTop + down * bat.topHand;
    handR = pose.batTop + down * bat.bottomHand;
  }
  const Reach left = TwoBones(j.shoulderL, handL, body.upperArm, body.forearm, pose.elbowL);
  const Reach right = TwoBones(j.shoulderR, handR, body.upperArm, body.forearm, pose.elbowR);
  j.elbowL = left.joint;
  j.handL = left.end;
  j.elbowR = right.joint;
  j.handR = right.end;
  j.shortfall = std::max({j.shortfall, left.shortfall, right.shortfall});
}

void SolveBat(const BatBuild& bat, const Pose& pose, Joints& j) {
  j.holdsBat = pose.holdsBat;
  const Vec3 down = Normalised(pose.batDir);
  j.batTop = pose.batTop;
  j.batShoulder = pose.batTop + down * bat.handle;
  j.batToe = pose.batTop + down * bat.length;
  j.batFace = Normalised(pose.batFace - down * Dot(pose.batFace, down));
  j.batWidth = Normalised(Cross(down, j.batFace));
}

}  // namespace

Joints Solve(const Body& body, const BatBuild& bat, const Pose& pose) {
  Joints j;
  SolveTrunk(body, pose, j);
  SolveLegs(body, pose, j);
  SolveArms(body, bat, pose, j);
  SolveBat(bat, pose, j);
  j.ballInHand = pose.ballInHand;
  return j;
}

}  // namespace paint
