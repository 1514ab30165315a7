#include "audio/SoundTrouble.h"

#include <atomic>
#include <cstdio>

void TellSoundTrouble(const std::string& trouble) {
  static std::atomic<bool> told{false};
  if (told.exchange(true)) return;
  std::fprintf(stderr, "gallowby: sound: %s\n", trouble.c_str());
}
