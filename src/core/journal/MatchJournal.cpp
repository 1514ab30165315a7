#include "core/journal/MatchJournal.h"

#include "core/journal/CarriedState.h"

std::string MatchJournal::Script() const {
  std::string script;
  for (const std::string& line : lines_) script += line + '\n';
  return script;
}

void MatchJournal::OnBegin(const MatchState& carried, std::uint64_t generator,
                           std::int64_t timeOfDay) {
  lines_.clear();
  panel_seen_.reset();
  ticks_ = ticksUnwritten_ = 0;
  writing_ = true;
  WritePanelChanges();
  for (std::string& line : carried::Lines(carried)) Write(std::move(line));
  Write("seed " + std::to_string(generator));
  Write("clock " + std::to_string(timeOfDay));
  Write("begin");
}

// The rules read the panel only in a tick or a key, so a change made at any
// time before one is written just before it, and counts in it as it did.
void MatchJournal::OnTick() {
  if (!writing_) return;
  WritePanelChanges();
  ++ticks_;
  ++ticksUnwritten_;
}

void MatchJournal::OnKey(bool down, i16 code) {
  if (!writing_) return;
  BeforeInput();
  Write((down ? "down " : "up ") + std::to_string(code));
}

void MatchJournal::OnTileSetLost(i16 index) {
  if (!writing_) return;
  BeforeInput();
  Write("lost " + std::to_string(index));
}

void MatchJournal::OnCloseRequested() {
  if (!writing_) return;
  BeforeInput();
  Write("close");
}

void MatchJournal::OnMatchClosed() {
  if (!writing_) return;
  WriteTicks();
  Write("end");
  writing_ = false;
}

void MatchJournal::BeforeInput() {
  WriteTicks();
  WritePanelChanges();
}

void MatchJournal::WriteTicks() {
  if (ticksUnwritten_ == 0) return;
  Write("tick " + std::to_string(ticksUnwritten_));  // stamped with the run's first tick
  ticksUnwritten_ = 0;
}

void MatchJournal::WritePanelChanges() {
  const PanelSnapshot now = PanelSnapshot::Of(panel_);
  if (panel_seen_ && now == *panel_seen_) return;
  const std::vector<std::string> changes = now.LinesFrom(panel_seen_ ? &*panel_seen_ : nullptr);
  if (!changes.empty()) WriteTicks();
  for (const std::string& line : changes) Write(line);
  panel_seen_ = now;
}

void MatchJournal::Write(std::string text) {
  lines_.push_back(text);
  if (sink_) sink_(JournalLine{ticks_ - ticksUnwritten_, std::move(text)});
}
