#pragma once
// Where the field and the commentary strip under it stand in the room right of
// the panel: scaled together by the largest whole factor that fits (at least
// 1), so every pixel of the field stays a crisp square, and centred. The rest
// of the room is a dark surround. In a normal window the factor is 1 and the
// stage fills the room; maximised or full screen (F11) it grows.

#include <QRect>

struct Stage {
  int factor = 1;
  QRect field;  // the display, 640 x 480 times the factor
  QRect strip;  // under it, as wide, three lines high times the factor
};

Stage StageIn(const QRect& room);
