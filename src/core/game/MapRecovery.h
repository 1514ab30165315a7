#pragma once
struct MatchDisplay;

// Makes the 1 x 1 background map showing tile 0 of the background tile set.
void CreateMap(MatchDisplay& d);
// (Display_TileSetLost, the recovery of a lost background, is Game's handler.)
