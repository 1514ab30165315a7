#pragma once
struct MatchState;

// Sends the ball from the release point towards the pitch spot.
void LaunchBall(MatchState& s);
