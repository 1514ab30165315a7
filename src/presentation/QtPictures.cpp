#include "presentation/QtPictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include "presentation/QtPicture.h"

QtPictures::QtPictures() : QtPictures(QCoreApplication::applicationDirPath()) {}

QtPictures::QtPictures(QString folder) : folder_(std::move(folder)) {}

// The exact name first, then any file whose name differs only in case.
QString QtPictures::FindFile(const QString& name) const {
  const QDir dir(folder_);
  if (name.isEmpty()) return {};
  if (dir.exists(name) && QFileInfo(dir.filePath(name)).isFile()) return dir.filePath(name);
  const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
  for (const QString& entry : entries)
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
  return {};
}

std::unique_ptr<Picture> QtPictures::LoadPicture(const std::string& fileName) {
  QString name = QString::fromStdString(fileName);
  while (name.startsWith(u'\\') || name.startsWith(u'/')) name.remove(0, 1);
  const QString path = FindFile(name);
  if (path.isEmpty()) RaiseError(kErrFileNotFound);
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  QImage image = reader.read();
  if (image.isNull()) RaiseError(kErrInvalidPicture);
  return std::make_unique<QtPicture>(fileName, std::move(image));
}
