#pragma once
// The pitch: a strip of rolled, straw-coloured earth from behind the bowler's
// stumps to behind the batsman's, worn where the bowler lands and where the
// batsman stands, with its white creases. At the batting end the creases are
// the game's own lines: the popping crease is the batting row (a ball's shadow
// on it is a perfectly timed shot) and the two return creases are the wide
// lines (a shadow between them, lines excluded, is fair).

#include <QImage>

namespace paint {

void PaintPitch(QImage& ground);

}  // namespace paint
