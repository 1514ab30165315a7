#include "qt/display/QtPictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <array>
#include <cstdlib>

#include "qt/display/QtPicture.h"
#include "qt/display/QtTileSet.h"
#include "qt/files/GameDataFolder.h"

namespace {

// A BMP file cut short still decodes, its missing rows left blank, so it is
// measured against the rows of pixels its header promises. Only uncompressed
// pixels (plain or with bit-field masks) can be measured this way.
bool CutShortBmp(const QString& path) {
  QFile file(path);
  std::array<uchar, 34> head{};  // the file header and the start of the info header
  if (!file.open(QIODevice::ReadOnly) ||
      file.read(reinterpret_cast<char*>(head.data()), head.size()) != qint64(head.size()) ||
      head[0] != 'B' || head[1] != 'M')
    return false;
  const auto u32 = [&head](int at) { return qFromLittleEndian<quint32>(head.data() + at); };
  const auto s32 = [&head](int at) { return qFromLittleEndian<qint32>(head.data() + at); };
  const qint64 pixelsAt = u32(10), width = s32(18), height = s32(22);
  const qint64 bitsPerPixel = qFromLittleEndian<quint16>(head.data() + 28);
  const quint32 compression = u32(30);
  constexpr quint32 kPlain = 0, kBitFields = 3;
  if (u32(14) < 40 || width <= 0 || bitsPerPixel <= 0) return false;  // left to the reader
  if (compression != kPlain && compression != kBitFields) return false;
  const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;  // rows pad to 4 bytes
  return file.size() < pixelsAt + rowBytes * std::abs(height);
}

PictureFileStamp StampOf(const QString& path) {
  const std::filesystem::path file = path.toStdString();
  std::error_code sizeError, timeError;
  PictureFileStamp stamp;
  stamp.size = std::filesystem::file_size(file, sizeError);
  stamp.modified = std::filesystem::last_write_time(file, timeError);
  stamp.known = !sizeError && !timeError;
  return stamp;
}

DecodedPicture Decode(const QString& path) {
  DecodedPicture decoded;
  decoded.stamp = StampOf(path);  // before reading: a write during the read shows next time
  if (CutShortBmp(path)) return decoded;
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  decoded.image = reader.read();
  if (!decoded.image.isNull()) decoded.sprites = KeyedSprites(decoded.image);
  return decoded;
}

bool Unchanged(const DecodedPicture& decoded, const QString& path) {
  return !decoded.image.isNull() && decoded.stamp.known && decoded.stamp == StampOf(path);
}

}  // namespace

QtPictures::QtPictures() : QtPictures(GameDataFolder()) {}

QtPictures::QtPictures(QString folder) : folder_(std::move(folder)) {}

QtPictures::~QtPictures() {
  if (prefetch_.valid()) prefetch_.wait();
}

void QtPictures::Prefetch() {
  if (prefetch_.valid()) return;
  const QDir dir(folder_);
  const QStringList files = dir.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name);
  QStringList paths;
  for (const QString& file : files) paths << dir.filePath(file);
  prefetch_ = std::async(std::launch::async, [paths] {
    std::map<QString, DecodedPicture> decoded;
    for (const QString& path : paths) decoded[path] = Decode(path);
    return decoded;
  });
}

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

// The kept decoding while the file is unchanged, else the file decoded afresh;
// a null image if it is not a picture.
const DecodedPicture& QtPictures::Read(const QString& path) {
  if (prefetch_.valid()) decoded_.merge(prefetch_.get());
  const auto kept = decoded_.find(path);
  if (kept != decoded_.end() && Unchanged(kept->second, path)) return kept->second;
  return decoded_[path] = Decode(path);
}

std::unique_ptr<Picture> QtPictures::LoadPicture(const std::string& fileName) {
  QString name = QString::fromStdString(fileName);
  while (name.startsWith(u'\\') || name.startsWith(u'/')) name.remove(0, 1);
  const QString path = FindFile(name);
  if (path.isEmpty()) RaiseError(kErrFileNotFound);
  const DecodedPicture& decoded = Read(path);
  if (decoded.image.isNull()) RaiseError(kErrInvalidPicture);
  return std::make_unique<QtPicture>(fileName, decoded.image, decoded.sprites);
}
