#pragma once
// Beyond the boundary rope: advertising boards (colours only, no words), the
// crowd in tiers under the roof's shade, the dark sightscreen behind the
// batsman, and the two plain scoreboards the score lines are written on.

#include <QImage>

namespace paint {

void PaintStands(QImage& ground);

}  // namespace paint
