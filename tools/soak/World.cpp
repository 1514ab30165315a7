#include "World.h"

#include <sstream>

namespace soak {

Snapshot Snapshot::Of(const MatchState& s) {
  return {s.FirstInnings, s.InningsBreak, s.QuitGame,       s.RunUpStarted,
          s.BallBowled,   s.WideBall,     s.StumpCheckDone, s.RunUpCounter,
          s.BallCounter,  s.Team1Runs,    s.Team1Wickets,   s.Team2Runs,
          s.Team2Wickets, s.BallsInOver,  s.OversBowled,    s.OutcomeText};
}

std::string Snapshot::Describe() const {
  std::ostringstream out;
  out << (firstInnings ? "first" : "second") << " innings" << (inningsBreak ? " (break)" : "")
      << (quitGame ? " (quit)" : "") << ", run-up " << (runUpStarted ? "on " : "off ")
      << runUpCounter << ", flight " << (ballBowled ? "on " : "off ") << ballCounter << ", "
      << team1Runs << "/" << team1Wickets << " v " << team2Runs << "/" << team2Wickets << ", "
      << oversBowled << "." << ballsInOver << " overs, outcome \"" << outcome << "\""
      << (wideBall ? " wide" : "");
  return out.str();
}

void BallWatch::OnEvent(const GameEvent& event) {
  if (!watching || !game) return;
  if (event.kind == EventKind::BallScored) moments.push_back({Snapshot::Of(game->S), event});
  if (event.kind == EventKind::InningsEnded) ++inningsEnded;
}

void BallWatch::Clear() {
  moments.clear();
  inningsEnded = 0;
}

TileSetRef CheckingDisplay::CreateTileSet(const Picture& picture, int tileWidth, int tileHeight) {
  const int tiles = (picture.Width() / tileWidth) * (picture.Height() / tileHeight);
  tileSets_.push_back(std::make_shared<CountedTileSet>(picture.FileName(), tiles));
  return tileSets_.back();
}

void CheckingDisplay::Need(const TileSet& tileSet, int tile) {
  const auto* counted = dynamic_cast<const CountedTileSet*>(&tileSet);
  if (!counted) {
    if (fault.empty()) fault = "a sprite from a tile set this display never made";
    return;
  }
  if (tile >= counted->tiles && fault.empty())
    fault = "tile " + std::to_string(tile) + " of " + counted->name + ", which holds " +
            std::to_string(counted->tiles);
}

void CheckingDisplay::DrawMap(const TileSet& tileSet, const Map& map) {
  Need(tileSet, map.Columns() == 1 && map.Rows() == 1 ? map.Tile(0, 0) : 255);
}

void CheckingDisplay::DrawTile(const TileSet& tileSet, std::uint8_t tile, i16, i16) {
  Need(tileSet, tile);
}

World::World(std::uint64_t seed) {
  watch.game = &game;
  game.Events.Listen(watch);
  clock.ms = static_cast<std::int64_t>(seed % 86400000u);
  game.Rnd = Random(seed);
  forms.displayFactory = [this](DisplayEvents&) {
    display = std::make_shared<CheckingDisplay>();
    return display;
  };
}

}  // namespace soak
