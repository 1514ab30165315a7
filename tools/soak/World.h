#pragma once
// One run of the program on fakes, as the soak plays it: the real Game, a
// listener that keeps the field as it stood whenever the game told that a ball
// was scored, and a display that draws nothing but makes sure every sprite the
// game asks for exists in its tile set.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Report.h"
#include "core/game/Game.h"
#include "core/game/MatchAudience.h"
#include "fakes/Fakes.h"

namespace soak {

// The field as a scorer reads it between two events of the match loop.
struct Snapshot {
  bool firstInnings, inningsBreak, quitGame, runUpStarted, ballBowled, wideBall, stumpCheckDone;
  i16 runUpCounter, ballCounter;
  i16 team1Runs, team1Wickets, team2Runs, team2Wickets, ballsInOver, oversBowled;
  std::string outcome;

  static Snapshot Of(const MatchState& s);
  std::string Describe() const;
};

// What the scorer hears when the game tells that a ball was scored: the event,
// and the field at that moment.
struct ScoringMoment {
  Snapshot field;
  GameEvent event;
};

// Inside a tick, keeps every ball scored and counts the innings ended.
class BallWatch : public EventListener {
 public:
  void OnEvent(const GameEvent& event) override;
  void Clear();

  const Game* game = nullptr;
  bool watching = false;  // only inside a tick
  std::vector<ScoringMoment> moments;
  int inningsEnded = 0;
};

// A tile set that knows how many tiles its picture holds.
class CountedTileSet : public TileSet {
 public:
  CountedTileSet(std::string name, int tiles) : name(std::move(name)), tiles(tiles) {}
  void Restore() override {}
  void ReloadPicture(const Picture&) override {}
  std::string name;
  int tiles;
};

class CheckingDisplay : public DisplaySurface {
 public:
  void OpenDisplay() override { open = true; }
  void CloseDisplay() override { open = false; }
  void DrawText(const std::string&, i16, i16) override {}
  void ShowFrame() override { ++frames; }
  TileSetRef CreateTileSet(const Picture& picture, int tileWidth, int tileHeight) override;
  const std::vector<TileSetRef>& GetTileSets() const override { return tileSets_; }
  std::shared_ptr<Map> CreateMap() override { return std::make_shared<Map>(); }
  void DrawMap(const TileSet& tileSet, const Map& map) override;
  void DrawTile(const TileSet& tileSet, std::uint8_t tile, i16 x, i16 y) override;

  bool open = false;
  int frames = 0;
  std::string fault;  // the first sprite asked for that does not exist

 private:
  void Need(const TileSet& tileSet, int tile);
  std::vector<TileSetRef> tileSets_;
};

// The world outside the game: the panel, timer, pictures, clock and message
// loop, and the Game itself, for one run of the program.
struct World : fakes::GameOn<> {
  explicit World(std::uint64_t seed);

  BallWatch watch;
  // The game's own audience: the scorer's book is checked against the board,
  // and the instant replay (R, pressed at any moment) stands in front of the display.
  fakes::QuietOutputs outputs;
  MatchAudience audience{game, outputs.Outputs()};
  std::shared_ptr<CheckingDisplay> display;  // the current match's
};

}  // namespace soak
