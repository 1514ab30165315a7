#include "app/GameFiles.h"

#include <QDir>

#include "audio/WavFile.h"
#include "core/model/Bitmaps.h"
#include "core/model/RuntimeError.h"
#include "core/model/SoundEffect.h"
#include "qt/display/QtPictures.h"
#include "qt/files/GameDataFolder.h"

namespace {

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Each bitmap loaded as Begin loads it: found by name, decoded, a picture.
void CheckBitmaps(const QString& folder, QStringList& troubles) {
  QtPictures pictures(folder);
  for (const Bitmap& bitmap : kBitmaps) {
    try {
      pictures.LoadPicture(bitmap.fileName);
    } catch (const RuntimeError& error) {
      troubles << QDir(folder).filePath(QString::fromUtf8(bitmap.fileName)) + QStringLiteral(": ") +
                      QString::fromStdString(error.Description());
    }
  }
}

void CheckSounds(const QString& folder, QStringList& troubles) {
  const QDir sounds(SoundFolder(folder));
  for (const SoundEffectInfo& info : kSoundEffects) {
    const QString path = sounds.filePath(FromView(info.file));
    if (!ReadWav(path.toStdString()))
      troubles << path + QStringLiteral(": missing or not a PCM WAV file");
  }
}

}  // namespace

QStringList GameFileTroubles(const QString& folder) {
  QStringList troubles;
  CheckBitmaps(folder, troubles);
  CheckSounds(folder, troubles);
  return troubles;
}
