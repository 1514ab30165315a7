#pragma once
#include "core/model/MatchState.h"

// Writes the six sprite frame tables (every entry but the last of each table).
void FillFrameTables(MatchState& s);

// The bowler's run-up, one tile a run-up tick, as FillFrameTables writes it:
// the footfalls of the sound are in step with it.
const RunUpTable& RunUpFrameTable();
