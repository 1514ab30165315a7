#include "qt/sound/QtSoundOutput.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <atomic>
#include <cstdio>

#include "qt/files/GameDataFolder.h"
#include "qt/sound/QuietBackend.h"
#include "qt/sound/WavCheck.h"

namespace {

// The one line the whole run may print about sound; later troubles stay quiet.
void TellOnce(const QString& trouble) {
  static std::atomic<bool> told{false};
  if (told.exchange(true)) return;
  std::fprintf(stderr, "gallowby: sound: %s\n", qUtf8Printable(trouble));
}

QString SoundPath(const QString& folder, SoundEffect effect) {
  const std::string_view file = SoundEffectFile(effect);
  return folder + QStringLiteral("/sounds/") +
         QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
}

}  // namespace

QtSoundOutput::QtSoundOutput() {
  QuietenAudioBackend();
}
QtSoundOutput::~QtSoundOutput() = default;

void QtSoundOutput::Prepare() {
  Preload(GameDataFolder());
}

void QtSoundOutput::Preload(const QString& folder) {
  if (loaded_ && folder == folder_) return;
  StopAll();
  for (Pool& pool : pools_) pool = Pool{};
  folder_ = folder;
  loaded_ = true;
  if (QMediaDevices::audioOutputs().isEmpty()) {
    TellOnce(QStringLiteral("no audio output, playing without sound"));
    return;
  }
  for (const SoundEffectInfo& info : kSoundEffects)
    Load(pools_[SoundEffectIndex(info.effect)], SoundPath(folder, info.effect));
}

// A file that fails the header check gets no players, and its effect stays silent.
void QtSoundOutput::Load(Pool& pool, const QString& path) {
  if (!IsPlayableWav(path)) {
    TellOnce(QStringLiteral("cannot use %1, that effect stays silent").arg(path));
    return;
  }
  for (auto& player : pool.players) {
    player = std::make_unique<QSoundEffect>();
    QSoundEffect* p = player.get();
    QObject::connect(p, &QSoundEffect::statusChanged, p, [p, path] {
      if (p->status() == QSoundEffect::Error)
        TellOnce(QStringLiteral("cannot play %1, that effect stays silent").arg(path));
    });
    p->setSource(QUrl::fromLocalFile(path));
  }
}

void QtSoundOutput::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!enabled_) StopAll();
}

void QtSoundOutput::Play(SoundEffect effect) {
  if (!enabled_) return;
  Pool& pool = pools_[SoundEffectIndex(effect)];
  QSoundEffect* player = pool.players[pool.next].get();
  pool.next = (pool.next + 1) % kPlayersPerEffect;
  if (player == nullptr || player->status() == QSoundEffect::Error) return;
  player->play();
}

void QtSoundOutput::StopAll() {
  for (Pool& pool : pools_)
    for (auto& player : pool.players)
      if (player) player->stop();
}
