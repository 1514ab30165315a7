#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "qt/display/QtPicture.h"
#include "qt/display/QtPictures.h"

namespace {

class QtPicturesTest : public ::testing::Test {
 protected:
  QtPicturesTest() {
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(Qt::green);
    image.save(dir.filePath("ALL.BMP"), "BMP");
    image.copy(0, 0, 16, 16).save(dir.filePath("Stumps.bmp"), "BMP");
    QFile text(dir.filePath("notapicture.bmp"));
    text.open(QIODevice::WriteOnly);
    text.write("this is not a bitmap");
    QFile(dir.filePath("empty.bmp")).open(QIODevice::WriteOnly);
    QFile all(dir.filePath("ALL.BMP")), cut(dir.filePath("cut.bmp"));
    all.open(QIODevice::ReadOnly), cut.open(QIODevice::WriteOnly);
    cut.write(all.read(all.size() / 2));
    QDir(dir.path()).mkdir("folder.bmp");
  }
  QTemporaryDir dir;
};

TEST_F(QtPicturesTest, FindsBitmapsWithoutRegardToLetterCase) {
  QtPictures pictures(dir.path());
  const struct {
    const char* asked;
    int width;
  } cases[] = {
      {"\\all.bmp", 64}, {"all.BMP", 64}, {"ALL.BMP", 64}, {"/All.Bmp", 64}, {"stumps.bmp", 16},
  };
  for (const auto& c : cases) {
    const auto picture = pictures.LoadPicture(c.asked);
    EXPECT_EQ(picture->Width(), c.width) << c.asked;
    EXPECT_EQ(picture->FileName(), c.asked);
  }
}

TEST_F(QtPicturesTest, MissingAndUnreadableFilesRaiseTheirErrors) {
  QtPictures pictures(dir.path());
  const struct {
    const char* asked;
    int error;
  } cases[] = {
      {"\\cball.bmp", kErrFileNotFound},
      {"", kErrFileNotFound},
      {"all", kErrFileNotFound},
      {"folder.bmp", kErrFileNotFound},
      {"notapicture.bmp", kErrInvalidPicture},
      {"NOTAPICTURE.BMP", kErrInvalidPicture},
      {"empty.bmp", kErrInvalidPicture},
      {"cut.bmp", kErrInvalidPicture},
  };
  for (const auto& c : cases) {
    try {
      pictures.LoadPicture(c.asked);
      ADD_FAILURE() << c.asked << " loaded";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.Number(), c.error) << c.asked;
    }
  }
}

// Bitmaps are kept decoded between Begins: a file changed on disk in between
// must still be read afresh, whether its size or only its time changed.
TEST_F(QtPicturesTest, ABitmapChangedOnDiskIsReadAfresh) {
  const QString path = dir.filePath("ALL.BMP");
  const QDateTime written = QDateTime::currentDateTime().addSecs(-100);
  const auto setTime = [&path](const QDateTime& time) {
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(time, QFileDevice::FileModificationTime);
  };
  ASSERT_TRUE(setTime(written));
  QtPictures pictures(dir.path());
  pictures.Prefetch();
  ASSERT_EQ(pictures.LoadPicture("all.bmp")->Width(), 64);
  const struct {
    int width;
    QRgb colour;
    int secondsLater;
  } cases[] = {
      {32, qRgb(0, 0, 200), 0},   // another size, the same time
      {32, qRgb(200, 0, 0), 20},  // the same size, a later time
  };
  for (const auto& c : cases) {
    QImage image(c.width, 32, QImage::Format_RGB32);
    image.fill(c.colour);
    ASSERT_TRUE(image.save(path, "BMP"));
    ASSERT_TRUE(setTime(written.addSecs(c.secondsLater)));
    const auto picture = pictures.LoadPicture("all.bmp");
    const QImage& loaded = dynamic_cast<const QtPicture&>(*picture).Image();
    EXPECT_EQ(loaded.width(), c.width);
    EXPECT_EQ(loaded.pixel(1, 1), c.colour);
  }
  QFile::remove(path);
  EXPECT_THROW(pictures.LoadPicture("all.bmp"), RuntimeError) << "a deleted file is not found";
}

// The loader hands over each picture with its sprite form made ahead: magenta
// transparent there, kept in the picture itself.
TEST_F(QtPicturesTest, PicturesComeWithTheirSpritesKeyed) {
  QImage image(8, 4, QImage::Format_RGB32);
  image.fill(Qt::green);
  image.setPixel(2, 1, qRgb(255, 0, 255));
  ASSERT_TRUE(image.save(dir.filePath("cball.bmp"), "BMP"));
  QtPictures pictures(dir.path());
  pictures.Prefetch();
  const auto picture = pictures.LoadPicture("cball.bmp");
  const auto& qtPicture = dynamic_cast<const QtPicture&>(*picture);
  EXPECT_EQ(qtPicture.Image().pixel(2, 1), qRgb(255, 0, 255));
  EXPECT_EQ(qAlpha(qtPicture.Sprites().pixel(2, 1)), 0);
  EXPECT_EQ(qtPicture.Sprites().pixel(3, 1), qRgb(0, 255, 0));
}

}  // namespace
