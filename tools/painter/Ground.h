#pragma once
// The background, all.bmp: one 640 x 480 tile. The ground seen from behind the
// bowler's arm: striped outfield, the pitch running away up the screen to the
// batting end, the creases where the game judges the ball, the boundary, the
// stands and the sightscreen, and two dark scoreboards under the score lines.

#include <QColor>
#include <QImage>
#include <cstdint>

#include "painter/Geometry.h"

namespace paint {
namespace ground {

// The pitch's edges and the mowing stripes run to a point far above the
// screen on the pitch's centre line.
inline constexpr double PitchHalfWidthAtStumps = 76;  // at the batting crease
inline constexpr double Widening = 0.12;              // per pixel down the screen
inline constexpr double VanishY = art::BattingCreaseY - PitchHalfWidthAtStumps / Widening;
inline constexpr int PitchTopY = art::BattingCreaseY - 24;
inline constexpr int PitchBottomY = art::BowlingCreaseY + 34;

double PitchHalfWidth(double y);
// Across-the-ground coordinate: constant along a line to the vanishing point.
double Across(double x, double y);
// The boundary rope's screen row at x: a wide ellipse round the far end.
double BoundaryY(double x);

// The game's lines of text are drawn over these: kept dark and plain, a little
// beyond the lines' corners and below their last line.
inline constexpr int BoardMargin = 6;
inline constexpr int LeftBoardX = field::InfoLinesX - BoardMargin;      // 4
inline constexpr int LeftBoardY = field::JudgementLineY - BoardMargin;  // 4
inline constexpr int LeftBoardRight = 306;
inline constexpr int LeftBoardBottom = field::OutcomeLineY + 18;      // 40
inline constexpr int RightBoardX = field::ScoreLinesX - BoardMargin;  // 534
inline constexpr int RightBoardY = field::ScoreLineY - BoardMargin;   // 4
inline constexpr int RightBoardRight = field::ScreenWidth - 4;        // 636
inline constexpr int RightBoardBottom = field::TargetLineY + 16;      // 56

// A repeatable speckle in [-1, 1] for a pixel.
double Speckle(int x, int y, std::uint32_t salt);
QRgb Shade(QColor base, double amount);

}  // namespace ground

QImage PaintGround();

}  // namespace paint
