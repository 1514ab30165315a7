#pragma once
// The audio backend's own complaints (no sound server, a file it cannot
// decode) would fill the terminal on a machine without sound; the player says
// what matters in one line of its own. This keeps the backend's messages out
// of the log and passes every other message on as before.

// Installs the filter; once per run, later calls do nothing.
void QuietenAudioBackend();
