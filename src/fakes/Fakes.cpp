#include "fakes/Fakes.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "core/game/MapRecovery.h"
#include "core/game/StartingMarks.h"
#include "core/model/Bitmaps.h"
#include "core/ports/ChosenButtons.h"
#include "core/tick/FrameTables.h"

namespace fakes {

namespace {
std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

}  // namespace

// ---- FakeForms ----

std::string FakeForms::Text(TextBox box) const {
  if (!loaded) return "";
  const auto it = texts.find(box);
  return it == texts.end() ? "" : it->second;
}

void FakeForms::Load() {
  loaded = true;
  beginEnabled = true;
  selected.clear();
  for (Option option : kDesignSelection) selected.insert(option);
  for (TextBox box : {TextBox::Text1, TextBox::Text2, TextBox::Text3, TextBox::Text4})
    texts[box] = DesignText(box);
}

void FakeForms::UnloadOptions() {
  loaded = false;
  log.push_back("unload");
}

void FakeForms::ShowOptions() {
  if (!loaded) {
    Load();
    log.push_back("load");
  }
}

std::shared_ptr<DisplaySurface> FakeForms::NewDisplay(DisplayEvents& gameEvents) {
  events = &gameEvents;
  lastDisplay = displayFactory ? displayFactory(gameEvents) : std::make_shared<RecordingDisplay>();
  return lastDisplay;
}

void FakeForms::ShowResult(const std::string& line) {
  resultShown = true;
  resultLine = line;
  log.push_back("show Form1");
}

void FakeForms::UnloadResult() {
  resultShown = false;
  log.push_back("unload Form1");
}

void FakeForms::MessageBox(const std::string& text) {
  messages.push_back(text);
}

void FakeForms::Select(Option option) {
  chosen::Choose(selected, option);
}

// ---- FakePictures ----

// Each picture just big enough: its tiles in one column.
FakePictures::FakePictures() {
  for (const Bitmap& bitmap : kBitmaps)
    sizes[Lower(bitmap.fileName)] = {bitmap.tileWidth, bitmap.tileHeight * bitmap.tilesNeeded};
}

std::unique_ptr<Picture> FakePictures::LoadPicture(const std::string& fileName) {
  loaded.push_back(fileName);
  const std::string key = Lower(fileName);
  if (notPictures.count(key)) RaiseError(kErrInvalidPicture);
  const auto it = sizes.find(key);
  if (it == sizes.end()) RaiseError(kErrFileNotFound);
  return std::make_unique<FakePicture>(fileName, it->second.first, it->second.second);
}

// ---- RecordingDisplay ----

void RecordingTileSet::Restore() {
  sink_({"Restore", {this}});
  if (inner_) inner_->Restore();
}

void RecordingTileSet::ReloadPicture(const Picture& picture) {
  sink_({"ReloadPicture", {this, picture.FileName()}});
  if (inner_) inner_->ReloadPicture(picture);
}

void RecordingMap::SetSize(int columns, int rows) {
  sink_({"SetSize", {static_cast<long long>(columns), static_cast<long long>(rows)}});
  Map::SetSize(columns, rows);
  if (inner_) inner_->SetSize(columns, rows);
}

void RecordingMap::SetTile(int column, int row, std::uint8_t tile) {
  sink_({"SetTile",
         {static_cast<long long>(column), static_cast<long long>(row),
          static_cast<long long>(tile)}});
  Map::SetTile(column, row, tile);
  if (inner_) inner_->SetTile(column, row, tile);
}

RecordingDisplay::RecordingDisplay(std::shared_ptr<DisplaySurface> inner)
    : sink([this](Call call) { calls.push_back(std::move(call)); }), inner_(std::move(inner)) {}

void RecordingDisplay::OpenDisplay() {
  sink({"OpenDisplay", {}});
  open = true;
  if (inner_) inner_->OpenDisplay();
}

void RecordingDisplay::CloseDisplay() {
  sink({"CloseDisplay", {}});
  open = false;
  if (inner_) inner_->CloseDisplay();
}

void RecordingDisplay::DrawText(const std::string& text, i16 x, i16 y) {
  sink({"DrawText", {text, static_cast<long long>(x), static_cast<long long>(y)}});
  if (inner_) inner_->DrawText(text, x, y);
}

void RecordingDisplay::ShowFrame() {
  sink({"ShowFrame", {}});
  if (inner_) inner_->ShowFrame();
}

TileSetRef RecordingDisplay::CreateTileSet(const Picture& picture, int w, int h) {
  sink({"CreateTileSet",
        {picture.FileName(), static_cast<long long>(w), static_cast<long long>(h)}});
  TileSetRef inner = inner_ ? inner_->CreateTileSet(picture, w, h) : nullptr;
  auto recording = std::make_shared<RecordingTileSet>(sink, inner);
  tileSets_.push_back(recording);
  return recording;
}

std::shared_ptr<Map> RecordingDisplay::CreateMap() {
  sink({"CreateMap", {}});
  return std::make_shared<RecordingMap>(sink, inner_ ? inner_->CreateMap() : nullptr);
}

const TileSet& RecordingDisplay::InnerOf(const TileSet& tileSet) const {
  const auto* recording = dynamic_cast<const RecordingTileSet*>(&tileSet);
  return (recording && recording->Inner()) ? *recording->Inner() : tileSet;
}

void RecordingDisplay::DrawMap(const TileSet& tileSet, const Map& map) {
  sink({"DrawMap", {&tileSet, &map}});
  const auto* recording = dynamic_cast<const RecordingMap*>(&map);
  if (inner_) inner_->DrawMap(InnerOf(tileSet), recording ? recording->Drawn() : map);
}

void RecordingDisplay::DrawTile(const TileSet& tileSet, std::uint8_t tile, i16 x, i16 y) {
  sink({"DrawTile",
        {&tileSet, static_cast<long long>(tile), static_cast<long long>(x),
         static_cast<long long>(y)}});
  if (inner_) inner_->DrawTile(InnerOf(tileSet), tile, x, y);
}

// ---- ScriptedPump ----

void ScriptedPump::YieldToEvents() {
  ++yields;
  if (next < steps.size()) {
    steps[next++]();
    return;
  }
  if (!fallback) throw std::logic_error("the scripted message loop ran out of steps");
  fallback();
}

}  // namespace fakes

namespace fakes {

RecordingDisplay& MatchRig::SetUpField() {
  auto display = std::make_shared<RecordingDisplay>();
  D.Display = display;
  for (std::size_t i = 0; i < kBitmaps.size(); ++i) {
    const Bitmap& bitmap = kBitmaps[i];
    const FakePicture picture(bitmap.fileName, bitmap.tileWidth,
                              bitmap.tileHeight * bitmap.tilesNeeded);
    D.*kTileSetSlots[i].slot = display->CreateTileSet(picture, bitmap.tileWidth, bitmap.tileHeight);
  }
  CreateMap(D);
  FillFrameTables(S);
  PlaceStartingMarks(match);
  display->calls.clear();
  return *display;
}

}  // namespace fakes
