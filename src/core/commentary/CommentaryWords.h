#pragma once
// Every word the commentary strip says, in one place. "{}" marks where a name
// or a number goes, filled in order by Fill (CommentaryText.h).

#include <array>
#include <string_view>

namespace words {

// --- What to do now, for the side that must act ---
inline constexpr std::string_view kCallTheBall = "{} to bat: Space calls the ball";
inline constexpr std::string_view kChoosePace = "Bowler: pace 1, 2 or 3, then 5 to run in";
inline constexpr std::string_view kAimRunUp = "Run-up: arrows aim, 5 fixes the spot";
inline constexpr std::string_view kSweepRunUp =
    "Run-up: the cursor sweeps itself, 5 fixes the spot";
inline constexpr std::string_view kFaceRunUp = "Bowler running in: Z/X to move, get ready";
// Against the computer Space calls the ball, so only J blocks.
inline constexpr std::string_view kBatVsComputer =
    "Batsman: Z/X to move; as the ball arrives N drive, M glance, K hook, H cut, J block";
inline constexpr std::string_view kBatVsHuman =
    "Batsman: Z/X to move; as the ball arrives N drive, M glance, K hook, H cut, J/Space block";
inline constexpr std::string_view kComputerBats = "The computer is batting: watch the shot";
inline constexpr std::string_view kInningsBreak = "Innings break: Space starts {} innings";
inline constexpr std::string_view kPaused = "Game Delay is 0: paused until Tab is pressed";
inline constexpr std::string_view kMatchOver = "Match over";
// Another control took the keyboard (a click on the panel): no key reaches the match.
inline constexpr std::string_view kClickTheField = "Click the field to play";

// --- The last ball ---
inline constexpr std::string_view kFour = "FOUR!";
inline constexpr std::string_view kOneRun = "1 run";
inline constexpr std::string_view kRuns = "{} runs";
inline constexpr std::string_view kDotBall = "Dot ball";
inline constexpr std::string_view kWide = "Wide";
inline constexpr std::string_view kBowled = "Bowled!";
inline constexpr std::string_view kCaught = "Caught!";
inline constexpr std::string_view kPads = "Stopped by the pads";
inline constexpr std::string_view kPlayedAndMissed = "Played and missed";
inline constexpr std::string_view kTooEarly = "Too early: the ball was not there yet";
inline constexpr std::string_view kTooLate = "Too late: the ball had gone past";
inline constexpr std::string_view kLeftAlone = "left alone";
inline constexpr std::string_view kWideRun = "a run to the batsmen, and the ball is bowled again";
// Against the computer, at the start of each innings before its first ball.
inline constexpr std::string_view kYouBat = "You bat: {}";
inline constexpr std::string_view kYouBowl = "You bowl to the computer";
inline constexpr std::string_view kBallAndWhy = "{} \u2014 {}";  // "FOUR! — Drive, ..."
inline constexpr std::string_view kJudgement = "{}, timing and line {} against danger {}: {}";

// Shot names by shot code: 0 Defensive .. 4 Square Cut.
inline constexpr std::array<std::string_view, 5> kShotNames = {"Defensive", "Drive", "Leg glance",
                                                               "Hook", "Square cut"};
inline constexpr std::string_view kUnknownShot = "Shot";

// What the margin (timing + line minus danger) did, band by band.
inline constexpr std::string_view kNoContact = "no contact";
inline constexpr std::string_view kEdgedUp = "edged up for a catch";
inline constexpr std::string_view kBlocked = "blocked";
inline constexpr std::string_view kNoRunInIt = "hit, but no run in it";
inline constexpr std::string_view kGoodForOne = "good for a single";
inline constexpr std::string_view kGoodForTwo = "good for two";
inline constexpr std::string_view kGoodForThree = "good for three";
inline constexpr std::string_view kCleanHit = "clean hit";

// --- The state of the match ---
inline constexpr std::string_view kFirstInnings = "{} {}/{} after {} overs";
inline constexpr std::string_view kFirstInningsOf = "{} {}/{} after {} of {} overs";
inline constexpr std::string_view kFirstInningsOfOne = "{} {}/{} after {} of 1 over";
// Before the first ball, when the overs box holds no whole number of overs.
inline constexpr std::string_view kNoOverLimit = "No over limit: each innings ends at ten wickets";
inline constexpr std::string_view kRunRate = "{}, run rate {}";
inline constexpr std::string_view kTarget = "{} made {}/{}: {} need {} to win";
inline constexpr std::string_view kNeed = "{} need {}";
inline constexpr std::string_view kNeedFrom = "{} need {} from {}";
inline constexpr std::string_view kLevel = "Scores level on {}: {} need 1";
inline constexpr std::string_view kLevelFrom = "Scores level on {}: {} need 1 from {}";
// Past the target the match is decided, but the innings is played to its end.
inline constexpr std::string_view kWonPlayingOut =
    "{} have won: the rest of the innings is played out";
inline constexpr std::string_view kOneBall = "1 ball";
inline constexpr std::string_view kBalls = "{} balls";
inline constexpr std::string_view kWinners = "Result: {} are the winners, {}/{} against {}/{}";
inline constexpr std::string_view kDraw = "Result: a draw, both sides on {}";

// "Lions's", but "Tigers'".
inline constexpr std::string_view kPossessive = "{}'s";
inline constexpr std::string_view kPossessiveAfterS = "{}'";

// A box left empty still gets a name on the strip.
inline constexpr std::string_view kTeam1 = "Team 1";
inline constexpr std::string_view kTeam2 = "Team 2";

}  // namespace words
