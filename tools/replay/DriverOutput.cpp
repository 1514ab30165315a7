// What the replay driver writes: display calls, printed values, saved frames.
#include <QImageWriter>
#include <fstream>
#include <iostream>

#include "Driver.h"
#include "Json.h"
#include "StateFields.h"
#include "core/ports/ControlNames.h"
#include "qt/display/DisplayWidget.h"
#include "qt/scorecard/ScorecardWindow.h"

std::shared_ptr<DisplaySurface> Driver::MakeDisplay(DisplayEvents& events) {
  auto widget = std::make_shared<DisplayWidget>(events);
  widget_ = widget.get();
  auto recording = std::make_shared<fakes::RecordingDisplay>(widget);
  recording->sink = [this](fakes::Call call) { Record(call); };
  return recording;
}

void Driver::Record(const fakes::Call& call) {
  // The last frame outlives the display: keep it when the display closes.
  if (call.op == "CloseDisplay" && widget_) lastFrame_ = widget_->Frame();
  if (!inTick_) {
    Emit("{\"display\": " + CallJson(call) + "}");
    return;
  }
  if (!tickDraws_.empty()) tickDraws_ += ", ";
  tickDraws_ += CallJson(call);
}

std::string Driver::TileSetName(const TileSet* tileSet) const {
  for (const auto& [name, slot] : kTileSetSlots)
    if ((game_.D.*slot).get() == tileSet) return json::Quote(name);
  return "null";
}

std::string Driver::CallJson(const fakes::Call& call) const {
  std::string out = "[" + json::Quote(call.op);
  for (const fakes::Arg& arg : call.args) {
    if (std::holds_alternative<const Map*>(arg)) continue;  // the one map goes unnamed
    out += ", ";
    if (const auto* n = std::get_if<long long>(&arg)) out += json::Number(*n);
    if (const auto* s = std::get_if<std::string>(&arg)) out += json::Quote(*s);
    if (const auto* t = std::get_if<const TileSet*>(&arg)) out += TileSetName(*t);
  }
  return out + "]";
}

std::optional<std::string> Driver::ControlJson(const std::string& name) const {
  if (const auto t = TextNames().find(name); t != TextNames().end())
    return json::Quote(forms_.Text(t->second));
  if (const auto o = OptionNames().find(name); o != OptionNames().end())
    return json::Bool(forms_.Value(o->second));
  if (const auto b = CheckNames().find(name); b != CheckNames().end())
    return json::Bool(forms_.Ticked(b->second));
  if (name == "Timer1.Interval") return json::Number(static_cast<long long>(timer_.Interval()));
  if (name == "Timer1.Enabled") return json::Bool(timer_.Enabled());
  return std::nullopt;
}

void Driver::Print(const Command& c) {
  std::string out = "{\"print\": {";
  for (std::size_t i = 0; i < c.words.size(); ++i) {
    const std::string& name = c.words[i];
    auto value = StateFieldJson(game_.S, game_.D, name);
    if (!value) value = ControlJson(name);
    if (!value) throw ScriptError{c.line, "no variable or control named \"" + name + "\""};
    out += (i ? ", " : "") + json::Quote(name) + ": " + *value;
  }
  Emit(out + "}}");
}

namespace {

std::string FileName(const Command& c) {
  if (c.words.empty()) throw ScriptError{c.line, c.verb + " needs a file name"};
  std::string file = c.words[0];
  for (std::size_t i = 1; i < c.words.size(); ++i) file += " " + c.words[i];
  return file;
}

void WritePng(const Command& c, const QImage& picture) {
  const std::string file = FileName(c);
  QImageWriter writer(QString::fromStdString(file), "png");
  if (!writer.write(picture))
    throw ScriptError{c.line, "cannot write " + file + ": " + writer.errorString().toStdString()};
}

}  // namespace

// `journal FILE`: from now on each match's script, as the journal wrote it, is
// written to FILE when the match closes or the script ends in it.
void Driver::SaveJournal(const Command& c) {
  journalFile_ = FileName(c);
  journalLine_ = c.line;
}

void Driver::WriteJournal() {
  if (journalFile_.empty() || audience_->journal.Lines().empty()) return;
  std::ofstream out(journalFile_, std::ios::binary);
  out << audience_->journal.Script();
  out.close();
  if (out) return;
  // Never thrown: the script may be ending already.
  std::cerr << "gallowby-replay: line " << journalLine_ << ": cannot write " << journalFile_
            << '\n';
  journalFile_.clear();
  journalFailed_ = true;
}

void Driver::SaveFrame(const Command& c) {
  WritePng(c, widget_ ? widget_->Frame() : lastFrame_);
}

// The scorecard window of the match so far, at its default size, as a picture.
void Driver::SaveScorecard(const Command& c) {
  ScorecardWindow window;
  const ScorecardFeed& scorecard = audience_->scorecard;
  window.SetRecord(scorecard.Record(), QString::fromStdString(scorecard.Team1()),
                   QString::fromStdString(scorecard.Team2()));
  if (scorecard.Record().Innings(2).Started())
    window.ShowBothInnings();
  else
    window.ShowFirstInnings();
  WritePng(c, window.grab().toImage());
}
