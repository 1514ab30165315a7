#pragma once
// What one match leaves to the next in the match state: the pace last chosen,
// the last shot and its judgement, the cursor's speed and much else that Begin
// does not set again. A match plays the same again only from the same state,
// so the journal writes, at Begin, each variable whose value is not the one a
// fresh program starts with (`carry NAME VALUE`), and the replay driver sets
// it back. Plain values only: the frame tables are filled afresh at Begin.

#include <optional>
#include <string>
#include <vector>

#include "core/model/MatchState.h"

namespace carried {

// `carry NAME VALUE` lines for every variable of `state` that differs from a fresh state's.
std::vector<std::string> Lines(const MatchState& state);

// Sets the variable `name` from its text; false when there is no such
// variable or the text is not one of its values.
bool Set(MatchState& state, const std::string& name, const std::string& value);

}  // namespace carried
