#include "Driver.h"

#include <iostream>
#include <map>
#include <thread>

#include "EventJson.h"
#include "Json.h"
#include "ScorecardJson.h"
#include "core/journal/CarriedState.h"
#include "core/model/FieldGeometry.h"
#include "core/ports/ControlNames.h"
#include "qt/display/DisplayWidget.h"
#include "qt/display/QtPictures.h"
#include "qt/history/HistoryStore.h"

Driver::Driver(std::istream& script, std::ostream& out, SoundOutput* loudspeaker)
    : script_(script),
      out_(out),
      loudspeaker_(loudspeaker),
      pictures_(std::make_unique<QtPictures>()),
      game_(Ports{&forms_, &timer_, pictures_.get(), &clock_, this}) {
  forms_.writeLine = [this](const std::string& line) { Emit(line); };
  forms_.displayFactory = [this](DisplayEvents& events) { return MakeDisplay(events); };
  lastFrame_ = QImage(field::ScreenWidth, field::ScreenHeight, QImage::Format_RGB32);
  lastFrame_.fill(Qt::black);
  game_.Events.Listen(*this);
  audience_.emplace(game_, AudienceOutputs{*this, *this, *this});
}

Driver::~Driver() {
  audience_->keeper.SetHistory(nullptr);
}

// Events are written as they happen; one told inside a tick comes before
// that tick's line of draws.
void Driver::OnEvent(const GameEvent& event) {
  Emit(EventJson(event));
}

// Every effect started, with the tick it starts in.
void Driver::Play(SoundEffect effect) {
  Emit("{\"sound\":" + json::Quote(std::string(SoundEffectName(effect))) +
       ",\"tick\":" + std::to_string(game_.Events.Tick()) + "}");
  if (loudspeaker_) loudspeaker_->Play(effect);
}

void Driver::Prepare() {
  if (loudspeaker_) loudspeaker_->Prepare();
}

void Driver::StopAll() {
  if (loudspeaker_) loudspeaker_->StopAll();
}

// The record of each innings as it closes: the first at the break, the second
// at the end of the match.
void Driver::ShowScorecard(const scorecard::InningsRecord& first,
                           const scorecard::InningsRecord& second, const std::string& team1,
                           const std::string& team2, bool matchOver) {
  const int innings = matchOver ? 2 : 1;
  Emit(ScorecardJson(matchOver ? second : first, innings, matchOver ? team2 : team1));
}

// Whenever the strip under the field changes.
void Driver::ShowCommentary(const CommentaryLines& lines) {
  Emit("{\"commentary\":[" + json::Quote(lines[0]) + "," + json::Quote(lines[1]) + "," +
       json::Quote(lines[2]) + "]}");
}

int Driver::Run() {
  try {
    while (auto command = script_.Next()) {
      Execute(*command);
      ExitIfNoForm();
    }
    return journalFailed_ ? 2 : 0;
  } catch (const DriverStop& stop) {
    WriteJournal();
    return journalFailed_ ? 2 : stop.status;
  } catch (const ScriptError& error) {
    out_.flush();
    std::cerr << "gallowby-replay: line " << error.line << ": " << error.message << '\n';
    return 2;
  }
}

// Inside the match loop, one event per yield: the rest of a `press`, the next
// tick of a `tick N`, or the next command of the script.
void Driver::YieldToEvents() {
  if (keyUpPending_) {
    const i16 code = *keyUpPending_;
    keyUpPending_.reset();
    game_.Display_KeyUp(code, 0);
  } else if (ticksPending_ > 0) {
    --ticksPending_;
    DeliverTick();
  } else {
    ExecuteNext();
  }
}

void Driver::ExecuteNext() {
  auto command = script_.Next();
  if (!command) {
    out_.flush();
    throw DriverStop{0};  // the script ended with the match still open
  }
  Execute(*command);
}

void Driver::ExitIfNoForm() {
  if (forms_.OptionsLoaded() || forms_.resultShown) return;
  Emit("{\"exit\": 0}");
  out_.flush();
  throw DriverStop{0};
}

void Driver::Execute(const Command& c) {
  if (c.verb == "select") return Select(c, true);
  if (c.verb == "unselect") return Select(c, false);
  if (c.verb == "text") return SetText(c);
  if (c.verb == "clock") {
    ExpectWords(c, 1);
    clock_.ms = Integer(c, c.words[0]) % 86400000;
    return;
  }
  if (c.verb == "seed") return Seed(c);
  if (c.verb == "carry") {
    if (c.words.empty() || !carried::Set(game_.S, c.words[0], c.rest))
      throw ScriptError{c.line, "carry takes a variable of the match state and its value"};
    return;
  }
  if (c.verb == "close") {
    ExpectWords(c, 0);
    if (MatchInPlay()) game_.CloseRequested();
    return;
  }
  if (c.verb == "journal") return SaveJournal(c);
  if (c.verb == "end") return ExpectWords(c, 0);  // the last line of a kept match
  if (c.verb == "history") return History(c);
  if (c.verb == "saved") return Saved(c);
  if (c.verb == "begin") {
    ExpectWords(c, 0);
    return Begin();
  }
  if (c.verb == "tick") return Tick(c);
  if (c.verb == "pace") return Pace(c);
  if (c.verb == "down") return Key(c, true, false);
  if (c.verb == "up") return Key(c, false, true);
  if (c.verb == "press") return Key(c, true, true);
  if (c.verb == "lost") return Lost(c);
  if (c.verb == "focus") return Focus(c);
  if (c.verb == "continue") {
    ExpectWords(c, 0);
    if (forms_.resultShown) game_.Command1_Click();
    return;
  }
  if (c.verb == "host") return Host(c);
  if (c.verb == "join") return Join(c);
  if (c.verb == "tamper") return Tamper(c);
  if (c.verb == "print") return Print(c);
  if (c.verb == "frame") return SaveFrame(c);
  if (c.verb == "scorecard") return SaveScorecard(c);
  throw ScriptError{c.line, "unknown command \"" + c.verb + "\""};
}

// `seed N`: the random generator's state, as the match journal wrote it at Begin.
void Driver::Seed(const Command& c) {
  ExpectWords(c, 1);
  const std::string& word = c.words[0];
  try {
    std::size_t used = 0;
    const unsigned long long state = std::stoull(word, &used);
    if (used == word.size() && word[0] != '-') {
      game_.Rnd = Random(state);
      return;
    }
  } catch (const std::exception&) {
  }
  throw ScriptError{c.line, "not a generator state: \"" + word + "\""};
}

void Driver::Begin() {
  if (!forms_.OptionsLoaded()) return;
  if (session_) session_->Started();
  game_.cmdBegin_Click();
  if (session_) session_->MatchClosed();
  WriteJournal();
  ticksPending_ = 0;  // what was left of a `tick N` when the match closed is dropped
  keyUpPending_.reset();
}

// `select` clicks an option button or ticks a check box; `unselect` unticks one.
void Driver::Select(const Command& c, bool on) {
  ExpectWords(c, 1);
  if (const auto box = CheckNames().find(c.words[0]); box != CheckNames().end()) {
    if (forms_.OptionsLoaded()) forms_.SetTicked(box->second, on);
    if (box->second == CheckBox::chkSound && !on) StopAll();  // as the game's Sound box does
    return;
  }
  if (!on) throw ScriptError{c.line, "no check box " + c.words[0]};
  const auto it = OptionNames().find(c.words[0]);
  if (it == OptionNames().end()) throw ScriptError{c.line, "no option button " + c.words[0]};
  if (forms_.OptionsLoaded()) forms_.Select(it->second);
}

void Driver::SetText(const Command& c) {
  if (c.words.empty()) throw ScriptError{c.line, "text needs a text box"};
  const auto it = TextNames().find(c.words[0]);
  if (it == TextNames().end()) throw ScriptError{c.line, "no text box " + c.words[0]};
  if (forms_.OptionsLoaded()) forms_.SetText(it->second, c.rest);
}

void Driver::Tick(const Command& c) {
  if (c.words.size() > 1) throw ScriptError{c.line, "tick takes one count"};
  const long long count = c.words.empty() ? 1 : Integer(c, c.words[0]);
  if (count < 0) throw ScriptError{c.line, "tick count must not be negative"};
  if (!MatchInPlay() || count == 0) return;
  ticksPending_ = count - 1;
  DeliverTick();
}

// `pace MS`: from here on each tick comes MS milliseconds of real time after
// the one before, as the game's timer brings them; `pace 0` runs flat out.
void Driver::Pace(const Command& c) {
  ExpectWords(c, 1);
  const long long ms = Integer(c, c.words[0]);
  if (ms < 0 || ms > 60000) throw ScriptError{c.line, "pace must be 0 to 60000 ms"};
  pace_ = std::chrono::milliseconds(ms);
  nextTickDue_ = std::chrono::steady_clock::now();
}

// A tick that comes late is not caught up on, as with a real timer.
void Driver::KeepPace() {
  if (pace_.count() == 0) return;
  nextTickDue_ = std::max(nextTickDue_ + pace_, std::chrono::steady_clock::now());
  std::this_thread::sleep_until(nextTickDue_);
}

// A timer event: only while Timer1 runs with an interval above 0; the clock
// moves on by the timer's period.
void Driver::DeliverTick() {
  if (!MatchInPlay() || !timer_.Enabled() || timer_.PeriodMs() == 0) return;
  if (!AwaitOtherMachine()) return;
  KeepPace();
  clock_.Advance(timer_.PeriodMs());
  ++ticksDelivered_;
  inTick_ = true;
  tickDraws_.clear();
  game_.Timer1_Timer();
  inTick_ = false;
  Emit("{\"tick\": " + std::to_string(ticksDelivered_) + ", \"draws\": [" + tickDraws_ + "]}");
}

void Driver::Key(const Command& c, bool down, bool up) {
  ExpectWords(c, 1);
  const long long code = Integer(c, c.words[0]);
  if (code < -32768 || code > 32767) throw ScriptError{c.line, "key code out of range"};
  if (!MatchInPlay()) return;
  if (down) game_.Display_KeyDown(static_cast<i16>(code), 0);
  if (down && up) {
    keyUpPending_ = static_cast<i16>(code);  // the release is the next event
  } else if (up) {
    game_.Display_KeyUp(static_cast<i16>(code), 0);
  }
}

// `focus panel`: a click on the panel takes the keyboard from the field;
// `focus field`: a click on the field gives it back.
void Driver::Focus(const Command& c) {
  ExpectWords(c, 1);
  if (c.words[0] != "panel" && c.words[0] != "field")
    throw ScriptError{c.line, "focus takes panel or field"};
  if (MatchInPlay()) audience_->commentary.FieldHasKeyboard(c.words[0] == "field");
}

void Driver::Lost(const Command& c) {
  ExpectWords(c, 1);
  const long long index = Integer(c, c.words[0]);
  if (index < -32768 || index > 32767) throw ScriptError{c.line, "index out of range"};
  if (MatchInPlay()) game_.Display_TileSetLost(static_cast<i16>(index));
}

void Driver::ExpectWords(const Command& c, std::size_t count) const {
  if (c.words.size() != count)
    throw ScriptError{c.line, c.verb + " takes " + std::to_string(count) + " word(s)"};
}

long long Driver::Integer(const Command& c, const std::string& word) const {
  try {
    std::size_t used = 0;
    const long long value = std::stoll(word, &used);
    if (used == word.size()) return value;
  } catch (const std::exception&) {
  }
  throw ScriptError{c.line, "not a whole number: \"" + word + "\""};
}
