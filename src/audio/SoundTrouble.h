#pragma once
// What the player hears about sound trouble (no audio output, a file that
// cannot be played, the sound server going away): the game plays on in
// silence and says so on standard error, in one line for the whole run.

#include <string>

// Prints "gallowby: sound: <trouble>" the first time; later troubles stay quiet.
void TellSoundTrouble(const std::string& trouble);
