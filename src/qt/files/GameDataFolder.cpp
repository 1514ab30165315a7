#include "qt/files/GameDataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString GameDataFolder() {
  const QDir program(QCoreApplication::applicationDirPath());
  const QString installed =
      QDir::cleanPath(program.filePath(QStringLiteral(GALLOWBY_DATA_FROM_PROGRAM)));
  return QFileInfo(installed).isDir() ? installed : program.path();
}

QString SoundFolder(const QString& dataFolder) {
  return QDir(dataFolder).filePath(QStringLiteral("sounds"));
}
