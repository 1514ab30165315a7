#pragma once
// From a pose to the joints of the figure: the spine and head from their
// directions, the elbows and knees found from where the hands and feet are
// (two-bone reach), the hands put on the bat's handle when it is held.

#include "painter/Pose.h"

namespace paint {

struct Joints {
  Vec3 pelvis, waist, chest, neck, head;
  Vec3 hipL, hipR, kneeL, kneeR, ankleL, ankleR, toeL, toeR, heelL, heelR;
  Vec3 shoulderL, shoulderR, elbowL, elbowR, handL, handR;
  Vec3 hipsRight, chestRight, gaze;
  bool holdsBat = false;
  Vec3 batTop, batShoulder, batToe, batFace, batWidth;
  bool ballInHand = false;
  double shortfall = 0;  // how far the worst hand or foot fell short of where it was put
};

Joints Solve(const Body& body, const BatBuild& bat, const Pose& pose);

}  // namespace paint
