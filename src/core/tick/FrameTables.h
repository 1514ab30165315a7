#pragma once
#include "core/model/MatchState.h"

// Writes the six sprite frame tables (every entry but the last of each table).
void FillFrameTables(MatchState& s);
