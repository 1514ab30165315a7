#pragma once
// Loads the game's bitmaps from the program's own folder.

#include <QString>

#include "match/Ports.h"

class QtPictures : public Pictures {
 public:
  // The folder the bitmaps are read from; by default the program's own.
  QtPictures();
  explicit QtPictures(QString folder);

  // Finds `fileName` in the folder without regard to letter case; a leading
  // "\" or "/" is ignored. Raises "File not found" when no file has that name,
  // "Invalid picture" when the file is not an image.
  std::unique_ptr<Picture> LoadPicture(const std::string& fileName) override;

 private:
  QString FindFile(const QString& name) const;
  QString folder_;
};
