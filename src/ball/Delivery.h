#pragma once
class Game;
struct MatchState;

// Starts the run-up, or during it fixes the pitch spot from the bowling cursor.
void StartRunUpOrChooseSpot(Game& g);
// Sends the ball from the release point towards the pitch spot.
void LaunchBall(MatchState& s);
// One flight tick of the ball: ground point, height, pitching and hops.
void MoveBall(MatchState& s);
// Bowler, batsman's picture and ball back at their starting marks.
void ResetPositions(MatchState& s);
// Puts the per-ball state back for the next delivery.
void NewBall(Game& g);
