#pragma once
// A cricketer as the painter sees him: the build of his body, how he stands in
// one tile (a pose), and what he wears. Poses are written in the figure's own
// space (Vec3.h): the origin on the ground under him, in pixels.

#include <QColor>

#include "painter/Vec3.h"

namespace paint {

// Lengths and thicknesses of a figure, in pixels.
struct Body {
  double thigh, shin, footFront, footBack;
  double hipHalf, spine, neck, headRadius;
  double shoulderHalf, upperArm, forearm;  // forearm: elbow to the middle of the hand
  double thighRadius, kneeRadius, ankleRadius;
  double upperArmRadius, elbowRadius, wristRadius, handRadius;
  double chestRadius, waistRadius, hipRadius;
};

// The bat: the hands hold the handle at these distances from its top.
struct BatBuild {
  double length = 94, handle = 30, bladeWidth = 11, bladeThickness = 5;
  double topHand = 7, bottomHand = 17;
};

struct Pose {
  Vec3 pelvis;             // centre between the hip joints
  double hipYaw = 0;       // the way the hips face, degrees (0 up the pitch, 90 screen right)
  Vec3 spine{0, 0, 1};     // from the pelvis towards the base of the neck
  double chestYaw = 0;     // the way the chest faces
  Vec3 headTilt{0, 0, 1};  // from the base of the neck towards the centre of the head
  Vec3 gaze{0, 1, 0};      // the way the face looks
  Vec3 handL, handR;       // centres of the hands (ignored when they hold the bat)
  Vec3 elbowL{-1, 0, 0}, elbowR{1, 0, 0};  // the way each elbow points
  Vec3 ankleL, ankleR;
  Vec3 kneeL{0, 1, 0}, kneeR{0, 1, 0};  // the way each knee points
  Vec3 toeL{0, 1, 0}, toeR{0, 1, 0};    // from the ankle towards the toes
  bool holdsBat = false;
  Vec3 batTop;              // top of the handle
  Vec3 batDir{0, 0, -1};    // from the handle down to the toe of the blade
  Vec3 batFace{0, -1, 0};   // the way the face of the blade looks
  bool ballInHand = false;  // the bowler carries the ball in his right hand
};

// A pose part way from a to b (t from 0 to 1).
Pose Blend(const Pose& a, const Pose& b, double t);
// The same pose turned about the vertical through the origin (positive turns
// his front towards the right of the screen).
Pose Turned(const Pose& pose, double degrees);

// Four shades of one colour: lit side, body, shaded side, outline.
struct Tone {
  QColor light, base, shade, line;
};
Tone ToneOf(QColor base);

struct Outfit {
  Tone shirt, trousers, skin, shoe, sole, hair, trim;
  Tone pad, glove, gloveTrim, helmetShell, grille, ball;
  bool longSleeves = false, pads = false, gloves = false, helmet = false;
  bool numberOnBack = false;  // a squad number, seen when his back is to the camera
};

}  // namespace paint
