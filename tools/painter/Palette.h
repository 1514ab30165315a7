#pragma once
// The colours of the match: cricket whites, the red ball, the batsman's navy
// helmet and trim, the bowler's green trim, willow, grass and pitch.

#include <QColor>

#include "painter/Pose.h"

namespace paint::palette {

inline Tone Whites() {
  return {QColor(250, 250, 244), QColor(232, 231, 220), QColor(176, 178, 174), QColor(82, 86, 90)};
}
inline Tone Skin() {
  return ToneOf(QColor(214, 160, 118));
}
inline Tone Hair() {
  return ToneOf(QColor(58, 40, 28));
}
inline Tone Sole() {
  return ToneOf(QColor(70, 72, 78));
}
inline Tone Navy() {
  return ToneOf(QColor(30, 46, 104));
}
inline Tone Grille() {
  return {QColor(230, 232, 236), QColor(196, 200, 206), QColor(140, 144, 150), QColor(60, 62, 70)};
}
inline Tone Pads() {
  return {QColor(252, 252, 250), QColor(238, 238, 234), QColor(186, 190, 196), QColor(84, 88, 98)};
}
inline Tone BallRed() {
  return ToneOf(QColor(186, 24, 30));
}
inline QColor BowlerTrim() {
  return QColor(24, 110, 60);
}

}  // namespace paint::palette
