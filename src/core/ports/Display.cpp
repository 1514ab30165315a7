#include "core/ports/Display.h"

void Map::SetSize(int columns, int rows) {
  if (columns < 0 || rows < 0) RaiseError(kErrSubscript);
  columns_ = columns;
  rows_ = rows;
  tiles_.assign(static_cast<std::size_t>(columns) * rows, 0);
}

void Map::SetTile(int column, int row, std::uint8_t tile) {
  if (column < 0 || row < 0 || column >= columns_ || row >= rows_) RaiseError(kErrSubscript);
  tiles_[static_cast<std::size_t>(row) * columns_ + column] = tile;
}

std::uint8_t Map::Tile(int column, int row) const {
  if (column < 0 || row < 0 || column >= columns_ || row >= rows_) RaiseError(kErrSubscript);
  return tiles_[static_cast<std::size_t>(row) * columns_ + column];
}
