#pragma once
// Loads the game's bitmaps from its data folder.
//
// Decoding the big sheets and keying their sprites is most of what Begin
// costs, so a decoded bitmap (with its sprite form) is kept and handed out
// again while its file is unchanged (same size, same modification time to the
// file system's own precision), and
// Prefetch decodes the folder's bitmaps on a worker thread while the player is
// still on the options form.

#include <QImage>
#include <QString>
#include <filesystem>
#include <future>
#include <map>

#include "core/ports/Ports.h"

// A file as it was when read: its size and modification time.
struct PictureFileStamp {
  std::uintmax_t size = 0;
  std::filesystem::file_time_type modified{};
  bool known = false;
  bool operator==(const PictureFileStamp&) const = default;
};

// A bitmap as decoded, its sprite form, and the file it was decoded from.
struct DecodedPicture {
  QImage image;
  QImage sprites;
  PictureFileStamp stamp;
};

class QtPictures : public Pictures {
 public:
  // The folder the bitmaps are read from; by default the game's data folder.
  QtPictures();
  explicit QtPictures(QString folder);
  ~QtPictures() override;

  // Finds `fileName` in the folder without regard to letter case; a leading
  // "\" or "/" is ignored. Raises "File not found" when no file has that name,
  // "Invalid picture" when the file is not an image.
  std::unique_ptr<Picture> LoadPicture(const std::string& fileName) override;

  // Starts decoding every .bmp file in the folder in the background.
  void Prefetch();

 private:
  QString FindFile(const QString& name) const;
  const DecodedPicture& Read(const QString& path);

  QString folder_;
  std::map<QString, DecodedPicture> decoded_;  // by path
  std::future<std::map<QString, DecodedPicture>> prefetch_;
};
