#pragma once
// The headless replay driver: the real game core, drawing through the real Qt
// display surface offscreen and recording every call, driven by a script of
// clicks, keys and timer ticks, writing what happens as JSON Lines. Given a
// loudspeaker, it also plays the match's effects through it (with `pace`, at
// the game's own speed).

#include <QImage>
#include <QPointer>
#include <chrono>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "ReplayForms.h"
#include "Script.h"
#include "core/game/Game.h"
#include "core/game/MatchAudience.h"
#include "fakes/Fakes.h"
#include "net/Session.h"

class DisplayWidget;
class HistoryStore;

class Driver : public EventPump,
               private EventListener,
               private CommentaryOutput,
               private SoundOutput,
               private ScorecardOutput {
 public:
  Driver(std::istream& script, std::ostream& out, SoundOutput* loudspeaker = nullptr);
  ~Driver();
  // Runs the script to its end (0), to Escape (0), or to a bad line (2).
  int Run();

  // The match loop's yield: the next event of the script.
  void YieldToEvents() override;

 private:
  void Execute(const Command& command);
  void ExecuteNext();
  void Begin();
  void Seed(const Command& command);
  void SaveJournal(const Command& command);
  void WriteJournal();
  void History(const Command& command);
  void Saved(const Command& command);
  void DeliverTick();
  void DeliverKey(bool down, const Command& command);
  void Print(const Command& command);
  void SaveFrame(const Command& command);
  void SaveScorecard(const Command& command);
  void Select(const Command& command, bool on);
  void SetText(const Command& command);
  void Lost(const Command& command);
  void Focus(const Command& command);
  void Tick(const Command& command);
  void Host(const Command& command);
  void Join(const Command& command);
  void Tamper(const Command& command);
  void Meet(std::unique_ptr<net::Session> session, int line);
  bool AwaitOtherMachine();
  void Pace(const Command& command);
  void KeepPace();
  void Key(const Command& command, bool down, bool up);
  void ExpectWords(const Command& command, std::size_t count) const;
  long long Integer(const Command& command, const std::string& word) const;

  std::shared_ptr<DisplaySurface> MakeDisplay(DisplayEvents& events);
  void Record(const fakes::Call& call);
  std::string CallJson(const fakes::Call& call) const;
  std::string TileSetName(const TileSet* tileSet) const;
  std::optional<std::string> ControlJson(const std::string& name) const;
  void Emit(const std::string& line) { out_ << line << '\n'; }
  void OnEvent(const GameEvent& event) override;
  void ShowCommentary(const CommentaryLines& lines) override;
  void Prepare() override;
  void Play(SoundEffect effect) override;
  void StopAll() override;
  void ShowScorecard(const scorecard::InningsRecord& first, const scorecard::InningsRecord& second,
                     const std::string& team1, const std::string& team2, bool matchOver) override;
  void CloseScorecard() override {}
  void ExitIfNoForm();
  bool MatchInPlay() const { return game_.MatchRunning(); }

  Script script_;
  std::ostream& out_;
  SoundOutput* loudspeaker_;
  ReplayForms forms_;
  fakes::ManualTimer timer_;
  fakes::FixedClock clock_;
  std::unique_ptr<Pictures> pictures_;
  Game game_;
  // Made once the driver listens, so each event's line comes before what the
  // audience makes of it.
  std::optional<MatchAudience> audience_;

  QPointer<DisplayWidget> widget_;  // the real surface of the current match
  QImage lastFrame_;                // the last frame shown, kept after the display closes
  bool inTick_ = false;
  std::string tickDraws_;
  long long ticksDelivered_ = 0;
  long long ticksPending_ = 0;
  std::optional<i16> keyUpPending_;
  std::unique_ptr<net::Session> session_;  // a match shared with another driver
  std::chrono::milliseconds pace_{0};      // real time between ticks; 0: flat out
  std::chrono::steady_clock::time_point nextTickDue_;
  std::string journalFile_;  // where each match's script goes; empty for nowhere
  int journalLine_ = 0;
  bool journalFailed_ = false;             // the script ends with status 2
  std::unique_ptr<HistoryStore> history_;  // none unless `history DIR`
};

// Thrown to stop the driver from anywhere, with its exit status.
struct DriverStop {
  int status;
};
