#pragma once
struct MatchState;

// The batting end, once per flight tick: body, stumps, wide, bat contact.
void CheckCrease(MatchState& s);
