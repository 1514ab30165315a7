#pragma once
// The shown frame painted larger by a whole factor, each pixel a square of
// factor x factor (nearest neighbour: no blur). Qt's own scaling is general and
// costs about a nanosecond a pixel; a frame three times the field's size has
// nine times its pixels, sixty times a second. So where the widget paints on a
// plain 32-bit image at whole-pixel offsets (the window's backing store), the
// pixels are written there directly, each source row widened once and copied
// to the rows under it.

#include <QImage>
#include <QRect>
#include <QRegion>

class QPainter;

// Paints `frame` enlarged `factor` times into `target` (of the painter's
// widget), inside `region`. False if the painter does not paint on such an
// image; nothing is painted then.
bool PaintEnlarged(QPainter& painter, const QImage& frame, const QRect& target, int factor,
                   const QRegion& region);
