#pragma once
// Where the game's bitmaps and sounds are, for the pictures, the sound effects
// and `gallowby --check-files` alike.

#include <QString>

// The installed data folder, found from the program's own folder as an
// installation lays them out (<prefix>/games/gallowby reads
// <prefix>/share/games/gallowby), whatever the prefix; when there is no such
// folder, as in a build tree, the program's own folder, where the build copies
// them. Needs the application object.
QString GameDataFolder();

// The sound effects, and alsoft.conf (how they are mixed), in a data folder.
QString SoundFolder(const QString& dataFolder);
