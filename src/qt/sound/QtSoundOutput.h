#pragma once
// The match's sound effects through the loudspeaker, with Qt Multimedia.
// Each effect has a few players taking turns, so a sound can start again
// while its last one still rings (crowd under bat, footfall on footfall).
// With no audio output, or a file missing or broken, the game plays on in
// silence: one line on standard error for the whole run, no dialog.

#include <QString>
#include <array>
#include <memory>

#include "core/ports/SoundOutput.h"

class QSoundEffect;

class QtSoundOutput : public SoundOutput {
 public:
  QtSoundOutput();
  ~QtSoundOutput() override;

  // Loads every effect from folder/sounds/ (the game's data folder). Called at
  // every Begin; does nothing when that folder is already loaded.
  void Preload(const QString& folder);

  // Preload from the game's data folder.
  void Prepare() override;

  // Off stops whatever is playing at once and plays nothing until on again.
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }

  void Play(SoundEffect effect) override;
  void StopAll() override;

 private:
  static constexpr std::size_t kPlayersPerEffect = 3;
  struct Pool {
    std::array<std::unique_ptr<QSoundEffect>, kPlayersPerEffect> players;
    std::size_t next = 0;  // whose turn it is
  };

  void Load(Pool& pool, const QString& path);

  std::array<Pool, kSoundEffectCount> pools_;
  QString folder_;
  bool loaded_ = false;
  bool enabled_ = true;
};
