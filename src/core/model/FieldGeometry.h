#pragma once
// Where the game draws its sprites and where it judges the ball, in display
// pixels (x right, y down, the batting end at the top). The rules, the
// bitmap painter and the tests of the art all read these numbers from here.

#include "core/model/Bitmaps.h"

namespace field {

inline constexpr int ScreenWidth = 640;
inline constexpr int ScreenHeight = 480;

// Tile sizes of the seven pictures, as the game cuts them.
inline constexpr int CursorTileSize = BitmapAt(BitmapIndex::GameSp).tileWidth;
inline constexpr int SmallTileSize = BitmapAt(BitmapIndex::SmallSp).tileWidth;
inline constexpr int BallTileSize = BitmapAt(BitmapIndex::CBall).tileWidth;
inline constexpr int BowlerTileWidth = BitmapAt(BitmapIndex::Bowler).tileWidth;
inline constexpr int BowlerTileHeight = BitmapAt(BitmapIndex::Bowler).tileHeight;
inline constexpr int StumpsTileSize = BitmapAt(BitmapIndex::Stumps).tileWidth;
inline constexpr int BatsmanTileWidth = BitmapAt(BitmapIndex::Shots).tileWidth;
inline constexpr int BatsmanTileHeight = BitmapAt(BitmapIndex::Shots).tileHeight;

// Fixed sprite positions. Both sets of stumps stand on the pitch's centre
// line. The batsman's picture stands at BatsmanSpriteX until a shot steps it
// across to the ball's line.
inline constexpr int StumpsX = 320;
inline constexpr int BattingStumpsX = StumpsX, BattingStumpsY = 90;
inline constexpr int BowlingStumpsX = StumpsX, BowlingStumpsY = 340;
inline constexpr int BatsmanSpriteX = 180, BatsmanSpriteY = 0;

// The lines of text, by their first letter's corner: the shot's judgement and
// the outcome top left; the batting side's score, the overs and (in the second
// innings) the total to beat top right; the innings break across the middle.
inline constexpr int InfoLinesX = 10, JudgementLineY = 10, OutcomeLineY = 22;
inline constexpr int ScoreLinesX = 540, ScoreLineY = 10, OversLineY = 24, TargetLineY = 40;
inline constexpr int BreakLineX = 240, BreakLineY = 240;

// The bowling cursor moves while strictly inside this area (its top-left
// corner). A new match puts it at (CursorHome, CursorHome), and each new ball
// somewhere around there.
inline constexpr int CursorLeft = 180, CursorRight = 380;
inline constexpr int CursorTop = 150, CursorBottom = 280;
inline constexpr int CursorHome = 250;

// The bowler: tile at (130 + t, 414 - 4t) in run-up tick t, then at y 170 for
// the whole flight, stepping 6 left in each of the first six flight ticks.
inline constexpr int BowlerStartX = 130, BowlerStartY = 410;
inline constexpr int BowlerRunUpStep = 1;  // pixels right a run-up tick
inline constexpr int BowlerRise = 4;       // pixels up the screen a run-up tick
inline constexpr int RunUpTicks = 60;
inline constexpr int BowlerFlightY = BowlerStartY - RunUpTicks * BowlerRise;  // 170
inline constexpr int BowlerStepBack = 6;  // pixels left a follow-through tick
inline constexpr int FollowThroughTicks = 6;
inline constexpr int BowlerReleaseX =
    BowlerStartX + RunUpTicks * BowlerRunUpStep - BowlerStepBack;  // 184

// The ball: its ground point, its height and its drawn point (ground y - height).
inline constexpr int ReleaseX = 250, ReleaseY = 330, ReleaseHeight = 170;
inline constexpr int AimOffset = 29;  // pitch spot minus cursor, on x and y

// What the game decides at the batting end (ground points; bounds exclusive
// unless said otherwise).
inline constexpr int WicketLineY = 150;  // tested the first tick the ball is above it
inline constexpr int WicketLeft = 310, WicketRight = 338;  // the stumps' width
inline constexpr int WicketHeight = 64;                    // bowled below this height
inline constexpr int BodyLineY = 176;
inline constexpr int PadsLeft = 323, PadsRight = 346, PadsTop = 130;  // height below 130
inline constexpr int ChestLeft = 305, ChestRight = 330;               // height above 129, below 200
inline constexpr int ChestBottom = 129, ChestTop = 200;
inline constexpr int WideLeft = 251, WideRight = 359;  // fair, bounds included
inline constexpr int WideBandBottom = 220;             // tested from the batting row to here
inline constexpr int BattingRowY = 200;  // the marker's row: a perfect shot meets the ball here
// A played shot takes over the ball's course while it is strictly inside this band.
inline constexpr int BatBandTop = 168, BatBandBottom = 178;
// A drive (or push) moves the batsman's sprite by BallCrossX - 300, a glance by
// BallCrossX - 320: in those tiles the bat meets a ball on these ground lines,
// as it reaches the crease (ground y 168 to 178, where it takes the shot's course).
inline constexpr int DriveLineX = 300;
inline constexpr int GlanceLineX = 320;

}  // namespace field
