#pragma once
struct MatchState;

// One flight tick of the ball: ground point, height, pitching and hops.
void MoveBall(MatchState& s);
