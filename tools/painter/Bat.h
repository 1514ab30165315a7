#pragma once
// The bat: a rubber-gripped handle and a willow blade with a face, a thick
// back and a maker's band, turned the way the batsman holds it.

#include "painter/Camera.h"
#include "painter/FigurePainter.h"

class QPainter;

namespace paint {

void PaintBat(QPainter& p, const Camera& camera, const BatBuild& bat, const Joints& j);

}  // namespace paint
