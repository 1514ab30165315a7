#pragma once
// Paints a posed figure: every limb, the trunk, the head, the bat and the ball
// in his hand, each a solid shaded part, drawn from the furthest to the nearest.

#include "painter/Camera.h"
#include "painter/Skeleton.h"

class QPainter;

namespace paint {

struct Figure {
  Body body;
  BatBuild bat;
  Outfit outfit;
};

void PaintFigure(QPainter& p, const Camera& camera, const Figure& figure, const Joints& j);

}  // namespace paint
