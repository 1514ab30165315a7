#pragma once
// The match as a script of the replay driver's language, written as it is
// played: the panel, the state the last match left (CarriedState.h), the
// generator's state and the time of day at Begin, then every tick (run-length,
// `tick N`), key down and up, lost surface and change of the panel in the
// order the game took them, `close` for the window closed, and `end` when the
// match closes. Run through gallowby-replay, the script plays the same match:
// the same events, board and result line.
//
// Each line goes to the sink as it is written, stamped with the ticks played
// before it takes effect, so another machine can play the same inputs at the
// same ticks. Ticks of a run are written when the run ends (the next input or
// the end of the match).

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/journal/PanelSnapshot.h"
#include "core/ports/MatchInputs.h"
#include "core/ports/Panel.h"

struct JournalLine {
  long long tick = 0;  // the match's ticks played before this line takes effect
  std::string text;    // one command, without its line break
};

class MatchJournal : public MatchInputs {
 public:
  using Sink = std::function<void(const JournalLine&)>;

  explicit MatchJournal(const Panel& panel) : panel_(panel) {}

  // Who hears each line as it is written; null for nobody.
  void SetSink(Sink sink) { sink_ = std::move(sink); }
  // The current or last match's script, one command a line.
  const std::vector<std::string>& Lines() const { return lines_; }
  // The same, each line ending in a line break.
  std::string Script() const;
  // A match is being written: begun and not closed yet.
  bool Writing() const { return writing_; }
  long long Ticks() const { return ticks_; }

  void OnBegin(const MatchState& carried, std::uint64_t generator, std::int64_t timeOfDay) override;
  void OnTick() override;
  void OnKey(bool down, i16 code) override;
  void OnTileSetLost(i16 index) override;
  void OnCloseRequested() override;
  void OnMatchClosed() override;

 private:
  // Before an input: the ticks it follows, then the panel's changes it sees.
  void BeforeInput();
  void WriteTicks();
  void WritePanelChanges();
  void Write(std::string text);

  const Panel& panel_;
  Sink sink_;
  std::vector<std::string> lines_;
  std::optional<PanelSnapshot> panel_seen_;
  bool writing_ = false;
  long long ticks_ = 0;           // ticks of the match so far
  long long ticksUnwritten_ = 0;  // of them, the run not written yet
};
