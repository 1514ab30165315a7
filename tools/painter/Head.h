#pragma once
// The head: a batting helmet with its peak and grille, or bare hair seen from
// behind, turned the way the figure looks.

#include "painter/Camera.h"
#include "painter/FigurePainter.h"

class QPainter;

namespace paint {

void PaintHead(QPainter& p, const Camera& camera, const Figure& figure, const Joints& j);

}  // namespace paint
