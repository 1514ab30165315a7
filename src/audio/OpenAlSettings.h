#pragma once
// OpenAL Soft reads its settings once a run, from its configuration files and
// the environment, when the first device is opened. The game brings its own
// file, alsoft.conf in the sounds folder (how the effects are mixed and how
// far ahead of the loudspeaker), read after the system's and the player's own,
// and keeps OpenAL's own log off the terminal: the game says what matters in
// one line of its own. A player's own ALSOFT_CONF or ALSOFT_LOGLEVEL is kept.

#include <string>

// Call before the first device is opened.
void UseGameOpenAlSettings(const std::string& soundFolder);
