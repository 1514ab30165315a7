#pragma once
#include "core/model/MatchState.h"

// The bowler's tile for this run-up or flight tick; also steps the bowler's x.
i16 BowlerFrame(MatchState& s, i16 counter);
// The batsman's tile for this run-up or flight tick.
i16 BatsmanFrame(const MatchState& s, i16 counter);
