#pragma once
// The files the game needs in its data folder to play a match: the seven
// bitmaps and the sound effects. Checked by `gallowby --check-files`, so an
// installation (a package, `cmake --install`) can be checked without a window.

#include <QString>
#include <QStringList>

// Every needed file in `folder` that is missing or that the game could not
// use (a bitmap that does not decode as at Begin, a sound that is not plain
// PCM WAV), as a path with its trouble; empty when all are there.
QStringList GameFileTroubles(const QString& folder);
