#pragma once
// Where the game draws its sprites and where it judges the ball, in display
// pixels (x right, y down, the batting end at the top), and the placements of
// the art that follow from those numbers. Every sprite tile is drawn by its
// top-left corner, so each placement below says which pixel of a tile stands
// for the game's point.

namespace game {

inline constexpr int ScreenWidth = 640;
inline constexpr int ScreenHeight = 480;

// Tile sizes of the seven pictures.
inline constexpr int CursorTileSize = 64;
inline constexpr int SmallTileSize = 16;
inline constexpr int BallTileSize = 32;
inline constexpr int BowlerTileWidth = 151;
inline constexpr int BowlerTileHeight = 240;
inline constexpr int StumpsTileSize = 64;
inline constexpr int BatsmanTileWidth = 320;
inline constexpr int BatsmanTileHeight = 200;

// Fixed sprite positions.
inline constexpr int BattingStumpsX = 320, BattingStumpsY = 90;
inline constexpr int BowlingStumpsX = 320, BowlingStumpsY = 340;
inline constexpr int BatsmanSpriteX = 180, BatsmanSpriteY = 0;

// The bowler: tile at (130 + t, 414 - 4t) in run-up tick t, then at y 170 for
// the whole flight, stepping 6 left in each of the first six flight ticks.
inline constexpr int BowlerStartX = 130, BowlerStartY = 410;
inline constexpr int BowlerRise = 4;
inline constexpr int RunUpTicks = 60;
inline constexpr int BowlerFlightY = BowlerStartY - RunUpTicks * BowlerRise;  // 170
inline constexpr int BowlerStepBack = 6;
inline constexpr int BowlerReleaseX = BowlerStartX + RunUpTicks - BowlerStepBack;  // 184

// The ball: its ground point, its height and its drawn point (ground y - height).
inline constexpr int ReleaseX = 250, ReleaseY = 330, ReleaseHeight = 170;
inline constexpr int AimOffset = 29;  // pitch spot minus cursor, on x and y

// What the game decides at the batting end (ground points; bounds exclusive
// unless said otherwise).
inline constexpr int WicketLineY = 150;  // tested the first tick the ball is above it
inline constexpr int WicketLeft = 310, WicketRight = 338;
inline constexpr int WicketHeight = 64;  // bowled below this height
inline constexpr int BodyLineY = 176;
inline constexpr int PadsLeft = 323, PadsRight = 346, PadsTop = 130;  // height below 130
inline constexpr int ChestLeft = 305, ChestRight = 330;  // height above 129, below 200
inline constexpr int ChestBottom = 129;
inline constexpr int WideLeft = 251, WideRight = 359;  // fair, bounds included
inline constexpr int WideBandBottom = 220;  // tested from the batting row to here
inline constexpr int BattingRowY = 200;  // the marker's row: a perfect shot meets the ball here
// A drive (or push) moves the batsman's sprite by BallCrossX - 300, a glance by
// BallCrossX - 320: in those tiles the bat meets a ball on these ground lines,
// as it reaches the crease (ground y 168 to 178, where it takes the shot's course).
inline constexpr int DriveLineX = 300;
inline constexpr int GlanceLineX = 320;

}  // namespace game

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
constexpr int GroundScreenX(int groundX) { return groundX + GroundMarkX; }
constexpr int GroundScreenY(int groundY) { return groundY + GroundMarkY; }
constexpr int BallScreenY(int groundY, int height) { return groundY - height + BallCentreY; }

// The stumps at the batting end. The ball is tested the tick its ground point
// passes y 150, on average half a tick's travel beyond it: 4 at the middle pace.
inline constexpr int StumpsCrossingY = game::WicketLineY - 4;
// Outer edges of the three stumps in the stumps tile: a 9-pixel ball touches
// them exactly when its ground x is inside the wicket zone.
inline constexpr int StumpsLeft =
    game::WicketLeft + 1 + BallCentreX + BallRadius - game::BattingStumpsX;  // 3
inline constexpr int StumpsRight =
    game::WicketRight - 1 + BallCentreX - BallRadius - game::BattingStumpsX;  // 21
// The top of the bails: the lowest ball that goes over just clears them.
inline constexpr int BailsTop = BallScreenY(StumpsCrossingY, game::WicketHeight - 1) +
                                BallRadius - game::BattingStumpsY;  // 1
inline constexpr int StumpsBase = game::StumpsTileSize - 1;         // the ground under them
inline constexpr int StumpsCentreX = (StumpsLeft + StumpsRight) / 2;
// The pitch's centre line runs through both sets of stumps.
inline constexpr int PitchCentreX = game::BattingStumpsX + StumpsCentreX;  // 332
inline constexpr int BattingCreaseY = game::BattingStumpsY + StumpsBase;   // 153
inline constexpr int BowlingCreaseY = game::BowlingStumpsY + StumpsBase;   // 403
// The popping crease at the batting end is the batting row: the ball's shadow
// on it is a perfectly timed shot.
inline constexpr int PoppingCreaseY = GroundScreenY(game::BattingRowY);  // 209
// Wide lines: a shadow centre between them (inclusive) is fair.
inline constexpr int WideLineLeft = GroundScreenX(game::WideLeft);    // 259
inline constexpr int WideLineRight = GroundScreenX(game::WideRight);  // 367
inline constexpr int WideBandScreenBottom = GroundScreenY(game::WideBandBottom);

// The batsman's tile (drawn at (180, 0)). The pads are where a ball of the
// body test's low zone touches. (The high zone's balls meet his head and
// chest, which lean over the off side above the pads.)
inline constexpr int PadsScreenLeft = game::PadsLeft + 1 + BallCentreX + BallRadius;     // 336
inline constexpr int PadsScreenRight = game::PadsRight - 1 + BallCentreX - BallRadius;   // 349
inline constexpr int PadsTileLeft = PadsScreenLeft - game::BatsmanSpriteX;      // 156
inline constexpr int PadsTileRight = PadsScreenRight - game::BatsmanSpriteX;    // 169
// His feet are planted on the body line, soles a few pixels below the shadow
// of a ball there, so a ball stopped at the line is drawn on his pads.
inline constexpr int FeetTileY = GroundScreenY(game::BodyLineY) + 6;  // 191
// Where the bat meets the ball in a drive and in a glance (tile x).
inline constexpr int DriveBatTileX = GroundScreenX(game::DriveLineX) - game::BatsmanSpriteX;    // 128
inline constexpr int GlanceBatTileX = GroundScreenX(game::GlanceLineX) - game::BatsmanSpriteX;  // 148

// The bowler at the release (tile 33 drawn at (184, 170)): his hand lets go of
// the ball where it would be drawn before its first step, 170 above the
// release point (6 above his tile), and it then flies up the right of his tile.
inline constexpr int ReleaseHandTileX =
    GroundScreenX(game::ReleaseX) - game::BowlerReleaseX;  // 74
// After the release his follow-through keeps left of this tile column (for
// tile 33; each later tile may reach 6 further right as he steps back left).
inline constexpr int BallPathTileX = ReleaseHandTileX - BallRadius - 2;  // 68

// The bowling cursor: the pitch spot lands 29 right of and below its corner,
// so its aiming mark is where the spot tile's mark will be.
inline constexpr int CursorMarkX = game::AimOffset + GroundMarkX;  // 37
inline constexpr int CursorMarkY = game::AimOffset + GroundMarkY;  // 38

}  // namespace art
