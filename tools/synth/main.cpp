// gallowby-synth OUTDIR: writes every sound effect of the game into OUTDIR,
// one WAV file each, named as the game loads them.
#include <cstdio>
#include <string>

#include "core/model/SoundEffect.h"
#include "synth/Effects.h"
#include "synth/Wav.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gallowby-synth OUTDIR\n");
    return 2;
  }
  const std::string folder = argv[1];
  for (const SoundEffectInfo& info : kSoundEffects) {
    const std::string path = folder + "/" + std::string(info.file);
    if (!synth::WriteFile(path, synth::RenderWav(info.effect))) {
      std::fprintf(stderr, "gallowby-synth: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
