#pragma once
#include "core/model/Int16.h"

// How dangerous it is to play this shot to this ball, 1 to 9: the part of the
// ball's line (where it crossed the crease) plus the part of its length (where
// it pitched). Raises "Subscript out of range" for a shot code outside 0..4.
i16 ShotDangerOf(i16 shotCode, i16 ballCrossX, i16 pitchY);
