#pragma once
// The placements of the art that follow from the game's own numbers (where it
// draws and judges, in the core's field geometry). Every sprite tile is drawn
// by its top-left corner, so each placement below says which pixel of a tile
// stands for the game's point.

#include "core/model/FieldGeometry.h"

namespace art {

// The ground point (a 16x16 tile's corner) is shown by the pixel (8, 9) of the
// tile: the centre of the ball's shadow, of the batting marker and of the pitch
// spot. The ball's 32x32 tile shares the corner; its ball sits on the shadow.
inline constexpr int GroundMarkX = 8;
inline constexpr int GroundMarkY = 9;
inline constexpr int BallRadius = 4;  // a ball of 9 pixels
inline constexpr int BallCentreX = GroundMarkX;
inline constexpr int BallCentreY = GroundMarkY - BallRadius - 1;  // 4: resting on its shadow

// Screen point of a ground point, and of a ball at a height above it.
constexpr int GroundScreenX(int groundX) {
  return groundX + GroundMarkX;
}
constexpr int GroundScreenY(int groundY) {
  return groundY + GroundMarkY;
}
constexpr int BallScreenY(int groundY, int height) {
  return groundY - height + BallCentreY;
}

// The stumps at the batting end. The ball is tested the tick its ground point
// passes y 150, on average half a tick's travel beyond it: 4 at the middle pace.
inline constexpr int StumpsCrossingY = field::WicketLineY - 4;
// Outer edges of the three stumps in the stumps tile: a 9-pixel ball touches
// them exactly when its ground x is inside the wicket zone.
inline constexpr int StumpsLeft =
    field::WicketLeft + 1 + BallCentreX + BallRadius - field::BattingStumpsX;  // 3
inline constexpr int StumpsRight =
    field::WicketRight - 1 + BallCentreX - BallRadius - field::BattingStumpsX;  // 21
// The top of the bails: the lowest ball that goes over just clears them.
inline constexpr int BailsTop = BallScreenY(StumpsCrossingY, field::WicketHeight - 1) + BallRadius -
                                field::BattingStumpsY;        // 1
inline constexpr int StumpsBase = field::StumpsTileSize - 1;  // the ground under them
inline constexpr int StumpsCentreX = (StumpsLeft + StumpsRight) / 2;
// The pitch's centre line runs through both sets of stumps.
inline constexpr int PitchCentreX = field::BattingStumpsX + StumpsCentreX;  // 332
inline constexpr int BattingCreaseY = field::BattingStumpsY + StumpsBase;   // 153
inline constexpr int BowlingCreaseY = field::BowlingStumpsY + StumpsBase;   // 403
// The popping crease at the batting end is the batting row: the ball's shadow
// on it is a perfectly timed shot.
inline constexpr int PoppingCreaseY = GroundScreenY(field::BattingRowY);  // 209
// Wide lines: a shadow centre between them (inclusive) is fair.
inline constexpr int WideLineLeft = GroundScreenX(field::WideLeft);    // 259
inline constexpr int WideLineRight = GroundScreenX(field::WideRight);  // 367
inline constexpr int WideBandScreenBottom = GroundScreenY(field::WideBandBottom);

// The batsman's tile (drawn at (180, 0)). The pads are where a ball of the
// body test's low zone touches. (The high zone's balls meet his head and
// chest, which lean over the off side above the pads.)
inline constexpr int PadsScreenLeft = field::PadsLeft + 1 + BallCentreX + BallRadius;    // 336
inline constexpr int PadsScreenRight = field::PadsRight - 1 + BallCentreX - BallRadius;  // 349
inline constexpr int PadsTileLeft = PadsScreenLeft - field::BatsmanSpriteX;              // 156
inline constexpr int PadsTileRight = PadsScreenRight - field::BatsmanSpriteX;            // 169
// His feet are planted on the body line, soles a few pixels below the shadow
// of a ball there, so a ball stopped at the line is drawn on his pads.
inline constexpr int FeetTileY = GroundScreenY(field::BodyLineY) + 6;  // 191
// Where the bat meets the ball in a drive and in a glance (tile x).
inline constexpr int DriveBatTileX =
    GroundScreenX(field::DriveLineX) - field::BatsmanSpriteX;  // 128
inline constexpr int GlanceBatTileX =
    GroundScreenX(field::GlanceLineX) - field::BatsmanSpriteX;  // 148

// The bowler at the release (tile 33 drawn at (184, 170)): his hand lets go of
// the ball where it would be drawn before its first step, 170 above the
// release point (6 above his tile), and it then flies up the right of his tile.
inline constexpr int ReleaseHandTileX =
    GroundScreenX(field::ReleaseX) - field::BowlerReleaseX;  // 74
// After the release his follow-through keeps left of this tile column (for
// tile 33; each later tile may reach 6 further right as he steps back left).
inline constexpr int BallPathTileX = ReleaseHandTileX - BallRadius - 2;  // 68

// The bowling cursor: the pitch spot lands 29 right of and below its corner,
// so its aiming mark is where the spot tile's mark will be.
inline constexpr int CursorMarkX = field::AimOffset + GroundMarkX;  // 37
inline constexpr int CursorMarkY = field::AimOffset + GroundMarkY;  // 38

}  // namespace art
