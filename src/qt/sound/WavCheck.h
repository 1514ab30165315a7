#pragma once
// A look at a sound file's header before the player is given it: a file that
// is missing, cut short or not plain PCM WAV is turned away quietly, rather
// than left for the audio backend to complain about.

#include <QString>

bool IsPlayableWav(const QString& path);
