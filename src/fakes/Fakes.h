#pragma once
// Stand-ins for the world outside the game core: a scripted options form, a
// manual timer, a fixed clock, pictures of given sizes, a recording display and
// a scripted message loop. Tests and the headless replay driver use them.

#include <functional>
#include <map>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "core/game/Game.h"
#include "core/game/MatchAudience.h"
#include "core/ports/Ports.h"

namespace fakes {

// The options form and result dialog: design values at load, every action recorded.
class FakeForms : public Forms {
 public:
  FakeForms() { Load(); }
  bool OptionsLoaded() const override { return loaded; }
  bool Value(Option option) const override { return loaded && selected.count(option) > 0; }
  bool Ticked(CheckBox box) const override { return loaded && ticked.count(box) > 0; }
  std::string Text(TextBox box) const override;
  void HideOptions() override { log.push_back("hide"); }
  void UnloadOptions() override;
  void ShowOptions() override;
  void SetBeginEnabled(bool enabled) override { beginEnabled = enabled; }
  std::shared_ptr<DisplaySurface> NewDisplay(DisplayEvents& events) override;
  void ShowResult(const std::string& line) override;
  void UnloadResult() override;
  void MessageBox(const std::string& text) override;

  void Select(Option option);  // clears the others of its group
  void SetText(TextBox box, const std::string& text) { texts[box] = text; }
  void SetTicked(CheckBox box, bool on) { on ? (void)ticked.insert(box) : (void)ticked.erase(box); }
  void Load();

  bool loaded = false;
  bool beginEnabled = true;
  std::set<Option> selected;
  // "Sound" starts ticked and, unlike the other controls, keeps its value when
  // the form is loaded afresh.
  std::set<CheckBox> ticked{CheckBox::chkSound};
  std::map<TextBox, std::string> texts;
  bool resultShown = false;
  std::string resultLine;
  std::vector<std::string> messages;
  std::vector<std::string> log;  // "hide", "unload", "load", "show Form1", "unload Form1"
  // Makes each match's display; by default a RecordingDisplay.
  std::function<std::shared_ptr<DisplaySurface>(DisplayEvents&)> displayFactory;
  DisplayEvents* events = nullptr;  // the game, once a display was made
  std::shared_ptr<DisplaySurface> lastDisplay;
};

class ManualTimer : public Timer {
 public:
  void SetInterval(i16 ms) override { interval = ms; }
  i16 Interval() const override { return interval; }
  void SetEnabled(bool on) override { enabled = on; }
  bool Enabled() const override { return enabled; }
  // The period a real Timer1 ticks at: the interval but at least 16 ms; 0 never ticks.
  int PeriodMs() const { return TimerPeriodMs(interval); }
  i16 interval = 1;
  bool enabled = false;
};

class FixedClock : public Clock {
 public:
  std::int64_t MillisecondsSinceMidnight() const override { return ms; }
  void Advance(std::int64_t by) { ms = (ms + by) % 86400000; }
  std::int64_t ms = 43200000;
};

class FakePicture : public Picture {
 public:
  FakePicture(std::string name, int w, int h) : name_(std::move(name)), w_(w), h_(h) {}
  int Width() const override { return w_; }
  int Height() const override { return h_; }
  std::string FileName() const override { return name_; }

 private:
  std::string name_;
  int w_, h_;
};

// Pictures of the right size for every bitmap, unless told otherwise.
class FakePictures : public Pictures {
 public:
  FakePictures();
  std::unique_ptr<Picture> LoadPicture(const std::string& fileName) override;
  // Keyed by lower-case file name; a missing entry is "File not found".
  std::map<std::string, std::pair<int, int>> sizes;
  std::set<std::string> notPictures;
  std::vector<std::string> loaded;
};

// One call of the display, with its arguments.
using Arg = std::variant<long long, std::string, const TileSet*, const Map*>;
struct Call {
  std::string op;
  std::vector<Arg> args;
};

using CallSink = std::function<void(Call)>;

class RecordingTileSet : public TileSet {
 public:
  RecordingTileSet(CallSink& sink, TileSetRef inner) : sink_(sink), inner_(std::move(inner)) {}
  void Restore() override;
  void ReloadPicture(const Picture& picture) override;
  const TileSetRef& Inner() const { return inner_; }

 private:
  CallSink& sink_;
  TileSetRef inner_;
};

class RecordingMap : public Map {
 public:
  RecordingMap(CallSink& sink, std::shared_ptr<Map> inner)
      : sink_(sink), inner_(std::move(inner)) {}
  void SetSize(int columns, int rows) override;
  void SetTile(int column, int row, std::uint8_t tile) override;
  const Map& Drawn() const {
    if (inner_) return *inner_;
    return *this;
  }

 private:
  CallSink& sink_;
  std::shared_ptr<Map> inner_;
};

// Records every call; passes it on to an inner display when it has one (the
// replay driver draws through the real Qt surface this way).
class RecordingDisplay : public DisplaySurface {
 public:
  explicit RecordingDisplay(std::shared_ptr<DisplaySurface> inner = nullptr);
  void OpenDisplay() override;
  void CloseDisplay() override;
  void DrawText(const std::string& text, i16 x, i16 y) override;
  void ShowFrame() override;
  TileSetRef CreateTileSet(const Picture& picture, int w, int h) override;
  const std::vector<TileSetRef>& GetTileSets() const override { return tileSets_; }
  std::shared_ptr<Map> CreateMap() override;
  void DrawMap(const TileSet& tileSet, const Map& map) override;
  void DrawTile(const TileSet& tileSet, std::uint8_t tile, i16 x, i16 y) override;

  std::vector<Call> calls;  // every call, unless the sink is replaced
  CallSink sink;            // where calls go; by default appended to `calls`
  bool open = false;

 private:
  const TileSet& InnerOf(const TileSet& tileSet) const;
  std::shared_ptr<DisplaySurface> inner_;
  std::vector<TileSetRef> tileSets_;
};

// The message loop: each yield runs the next scripted step, or the fallback.
class ScriptedPump : public EventPump {
 public:
  void YieldToEvents() override;
  std::vector<std::function<void()>> steps;
  // When the steps run out; by default a std::logic_error, so a test whose script
  // forgot to end the match fails instead of hanging.
  std::function<void()> fallback;
  std::size_t next = 0;
  long yields = 0;
};

}  // namespace fakes

namespace fakes {
// A whole game wired to stand-ins, at the program's start: the options form
// loaded at its design values, the timer stopped, the clock at noon. The forms
// and the pictures may be real ones where a test needs them.
template <class FormsT = FakeForms, class PicturesT = FakePictures>
struct GameOn {
  GameOn() = default;
  // The pictures made with these arguments (a real folder, say).
  template <class... Args>
  explicit GameOn(Args&&... pictureArgs) : pictures(std::forward<Args>(pictureArgs)...) {}

  FormsT forms;
  ManualTimer timer;
  PicturesT pictures;
  FixedClock clock;
  ScriptedPump pump;
  Game game{Ports{&forms, &timer, &pictures, &clock, &pump}};
};

using Rig = GameOn<>;
}  // namespace fakes

namespace fakes {
// Outputs that show nothing and play nothing, for a match's whole audience
// where nobody watches (the soak, the benchmarks); they count the effects.
struct QuietOutputs : CommentaryOutput, SoundOutput, ScorecardOutput {
  void ShowCommentary(const CommentaryLines&) override {}
  void Play(SoundEffect) override { ++played; }
  void StopAll() override {}
  void ShowScorecard(const scorecard::InningsRecord&, const scorecard::InningsRecord&,
                     const std::string&, const std::string&, bool) override {}
  void CloseScorecard() override {}
  AudienceOutputs Outputs() { return {*this, *this, *this}; }
  long played = 0;
};

// Every event a match tells, in order.
struct EventLog : EventListener {
  void OnEvent(const GameEvent& event) override { heard.push_back(event); }
  std::vector<GameEvent> heard;
};

// A match without a Game: the state, the generator, a panel at its design
// values, the event stream, and the world's effects written down instead of
// done. For testing a rule on its own.
struct MatchRig : MatchEffects {
  MatchRig() { events.Listen(told); }
  MatchRig(const MatchRig&) = delete;
  MatchRig& operator=(const MatchRig&) = delete;

  // A field to draw on, in D: a recording display holding the seven tile sets
  // (each just big enough) and the background map; the frame tables and the
  // marks of a new match.
  RecordingDisplay& SetUpField();

  void SetTickInterval(i16 milliseconds) override { intervals.push_back(milliseconds); }
  std::int64_t TimeOfDay() const override { return timeOfDay; }
  void ShowResult(const std::string& line) override { results.push_back(line); }

  MatchState S;
  Random Rnd{1};
  FakeForms panel;
  EventStream events;
  Match match{S, Rnd, panel, *this, events};
  MatchDisplay D;  // empty until SetUpField

  std::vector<i16> intervals;
  std::int64_t timeOfDay = 43200000;
  std::vector<std::string> results;
  EventLog told;
};
}  // namespace fakes
