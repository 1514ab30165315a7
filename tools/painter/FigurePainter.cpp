#include "painter/FigurePainter.h"

#include <QPainter>
#include <algorithm>
#include <functional>
#include <vector>

#include "painter/Bat.h"
#include "painter/Head.h"
#include "painter/Shapes.h"

namespace paint {
namespace {

// Small nudges along the line of sight for parts that meet at a joint: the
// trunk sits a little behind the limbs that hang beside it, and the hands in
// front of the handle they hold.
constexpr double kTrunkBack = 1.5;
constexpr double kHandFront = 2.0;

struct Part {
  double depth;
  std::function<void(QPainter&)> paint;
};

class Parts {
 public:
  explicit Parts(const Camera& camera) : camera_(camera) {}
  double DepthOf(Vec3 a, Vec3 b) const { return (camera_.Depth(a) + camera_.Depth(b)) / 2; }
  void Add(double depth, std::function<void(QPainter&)> paint) {
    parts_.push_back({depth, std::move(paint)});
  }
  void PaintAll(QPainter& p) {
    std::stable_sort(parts_.begin(), parts_.end(),
                     [](const Part& a, const Part& b) { return a.depth > b.depth; });
    for (const Part& part : parts_) part.paint(p);
  }

 private:
  const Camera& camera_;
  std::vector<Part> parts_;
};

void PaintPad(QPainter& p, QPointF knee, QPointF ankle, const Tone& pad) {
  const QPointF top = knee + (knee - ankle) * 0.14;
  const QPointF bottom = ankle + (ankle - knee) * 0.04;
  PaintCapsule(p, top, bottom, 8.2, 7.0, pad);
  const QPointF axis = bottom - top;
  const double length = std::hypot(axis.x(), axis.y());
  if (length < 1) return;
  const QPointF across = QPointF(-axis.y(), axis.x()) / length;
  p.setPen(QPen(pad.shade, 1.0));
  for (double side : {-3.6, 0.0, 3.6}) {
    p.drawLine(top + axis * 0.1 + across * side, top + axis * 0.93 + across * side * 0.85);
  }
  p.setPen(QPen(pad.line, 1.2));
  p.drawLine(top + axis * 0.5 - across * 7.0, top + axis * 0.5 + across * 7.0);
}

// A shoe from heel to toe with its dark sole underneath; a foot kicked up
// behind shows the camera the whole sole and its spikes.
void PaintShoe(QPainter& p, const Camera& c, Vec3 heel, Vec3 toe, const Outfit& outfit) {
  const Vec3 along = Normalised(toe - heel);
  const Vec3 across = Normalised(Cross(along, Vec3{0, 0, 1}));
  const Vec3 down = Normalised(Cross(across, along));
  const double showing = Dot(down, c.TowardCamera());
  const QPointF h = c.Project(heel), t = c.Project(toe);
  if (showing > 0.35) {
    PaintCapsule(p, h, t, 4.4, 3.9, outfit.shoe);
    PaintCapsule(p, h, t, 3.4, 3.0, outfit.sole);
    return;
  }
  const QPointF drop = c.ProjectDirection(down) * 1.8;
  PaintCapsule(p, h + drop, t + drop, 4.4, 3.8, outfit.sole);
  PaintCapsule(p, h, t, 4.4, 3.8, outfit.shoe);
}

void AddLeg(Parts& parts, const Camera& c, const Figure& f, Vec3 hip, Vec3 knee, Vec3 ankle,
            Vec3 heel, Vec3 toe) {
  const Body& b = f.body;
  const Outfit& o = f.outfit;
  parts.Add(parts.DepthOf(hip, knee), [=, &c](QPainter& p) {
    PaintCapsule(p, c.Project(hip), c.Project(knee), b.thighRadius, b.kneeRadius, o.trousers);
  });
  parts.Add(parts.DepthOf(knee, ankle), [=, &c](QPainter& p) {
    if (o.pads) {
      PaintPad(p, c.Project(knee), c.Project(ankle), o.pad);
    } else {
      PaintCapsule(p, c.Project(knee), c.Project(ankle), b.kneeRadius, b.ankleRadius, o.trousers);
    }
  });
  parts.Add(parts.DepthOf(heel, toe) + 0.5,
            [=, &c](QPainter& p) { PaintShoe(p, c, heel, toe, o); });
}

void AddArm(Parts& parts, const Camera& c, const Figure& f, Vec3 shoulder, Vec3 elbow, Vec3 hand,
            bool bowlingHand, bool holdsBat) {
  const Body& b = f.body;
  const Outfit& o = f.outfit;
  parts.Add(parts.DepthOf(shoulder, elbow), [=, &c](QPainter& p) {
    PaintCapsule(p, c.Project(shoulder), c.Project(elbow), b.upperArmRadius, b.elbowRadius,
                 o.shirt);
  });
  const Tone forearm = o.longSleeves ? o.shirt : o.skin;
  parts.Add(parts.DepthOf(elbow, hand), [=, &c](QPainter& p) {
    PaintCapsule(p, c.Project(elbow), c.Project(hand), b.elbowRadius, b.wristRadius, forearm);
  });
  const double handDepth = c.Depth(hand) - (holdsBat ? kHandFront : 0.2);
  const bool ball = bowlingHand && f.outfit.ball.base.isValid();
  parts.Add(handDepth, [=, &c](QPainter& p) {
    const QPointF at = c.Project(hand);
    const Tone tone = o.gloves ? o.glove : o.skin;
    PaintCapsule(p, at, at, b.handRadius, b.handRadius, tone);
    if (o.gloves) {
      p.setPen(QPen(o.gloveTrim.base, 1.6, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(at + QPointF(-b.handRadius * 0.6, -1), at + QPointF(b.handRadius * 0.6, -1));
    }
    if (ball) PaintCapsule(p, at + QPointF(0, -3), at + QPointF(0, -3), 3.2, 3.2, o.ball);
  });
}

void AddTrousers(Parts& parts, const Camera& c, const Figure& f, const Joints& j) {
  const Body& b = f.body;
  const Vec3 up = Normalised(j.neck - j.pelvis);
  const Vec3 side = j.hipsRight * (b.hipHalf * 0.8);
  const Vec3 crotch = j.pelvis - up * (b.hipRadius * 0.6);
  parts.Add(c.Depth(j.waist) + kTrunkBack - 0.5, [=, &c](QPainter& p) {
    const std::vector<QPointF> centres{c.Project(j.hipL), c.Project(j.hipR),
                                       c.Project(j.waist - side), c.Project(j.waist + side),
                                       c.Project(crotch)};
    const double w = b.waistRadius * 0.85;
    PaintBlob(p, HullPath(centres, {b.hipRadius, b.hipRadius, w, w, b.hipRadius * 0.8}),
              f.outfit.trousers);
  });
}

// A squad number on the back of the shirt, laid on the back's slope.
void PaintBackNumber(QPainter& p, const Camera& c, const Figure& f, const Joints& j) {
  const Vec3 up = Normalised(j.neck - j.pelvis);
  const Vec3 facing = Normalised(Cross(up, j.chestRight));
  if (Dot(facing, c.TowardCamera()) > -0.55) return;
  const QPointF centre = c.Project(Lerp(j.waist, j.neck, 0.55) - facing * f.body.chestRadius);
  const QPointF across = c.ProjectDirection(j.chestRight) * 5.0;
  const QPointF down = c.ProjectDirection(up) * -8.0;
  QPainterPath seven;
  seven.moveTo(centre - across - down);
  seven.lineTo(centre + across - down);
  seven.lineTo(centre - across * 0.3 + down);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(f.outfit.trim.base, 2.6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.drawPath(seven);
}

void AddShirt(Parts& parts, const Camera& c, const Figure& f, const Joints& j) {
  const Body& b = f.body;
  const Vec3 hips = j.hipsRight * (b.hipHalf * 0.9);
  const Vec3 ribs = j.chestRight * (b.shoulderHalf * 0.45);
  const Vec3 hem = Lerp(j.waist, j.pelvis, 0.35);
  parts.Add(c.Depth(j.chest) + kTrunkBack, [=, &c](QPainter& p) {
    const std::vector<QPointF> centres{c.Project(j.shoulderL),    c.Project(j.shoulderR),
                                       c.Project(j.chest - ribs), c.Project(j.chest + ribs),
                                       c.Project(hem - hips),     c.Project(hem + hips)};
    const double shoulder = b.upperArmRadius + 1.5, chest = b.chestRadius * 0.85;
    const double waist = b.waistRadius * 0.85;
    PaintBlob(p, HullPath(centres, {shoulder, shoulder, chest, chest, waist, waist}),
              f.outfit.shirt);
    if (f.outfit.numberOnBack) PaintBackNumber(p, c, f, j);
    const QPointF collarL = c.Project(j.neck - j.chestRight * 5.5);
    const QPointF collarR = c.Project(j.neck + j.chestRight * 5.5);
    PaintCapsule(p, collarL, collarR, 1.6, 1.6, f.outfit.trim);
  });
  parts.Add(c.Depth(j.neck) + kTrunkBack - 1, [=, &c](QPainter& p) {
    PaintCapsule(p, c.Project(j.neck), c.Project(Lerp(j.neck, j.head, 0.6)), 5.2, 5.0,
                 f.outfit.skin);
  });
}

}  // namespace

void PaintFigure(QPainter& p, const Camera& camera, const Figure& figure, const Joints& j) {
  Parts parts(camera);
  AddLeg(parts, camera, figure, j.hipL, j.kneeL, j.ankleL, j.heelL, j.toeL);
  AddLeg(parts, camera, figure, j.hipR, j.kneeR, j.ankleR, j.heelR, j.toeR);
  AddTrousers(parts, camera, figure, j);
  AddShirt(parts, camera, figure, j);
  AddArm(parts, camera, figure, j.shoulderL, j.elbowL, j.handL, false, j.holdsBat);
  AddArm(parts, camera, figure, j.shoulderR, j.elbowR, j.handR, j.ballInHand, j.holdsBat);
  parts.Add(camera.Depth(j.head) - 1,
            [&camera, &figure, &j](QPainter& q) { PaintHead(q, camera, figure, j); });
  if (j.holdsBat) {
    const double depth = parts.DepthOf(j.batTop, j.batToe);
    parts.Add(depth, [&camera, &figure, &j](QPainter& q) { PaintBat(q, camera, figure.bat, j); });
  }
  parts.PaintAll(p);
}

}  // namespace paint
