#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "presentation/QtPictures.h"

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
    QDir(dir.path()).mkdir("folder.bmp");
  }
  QTemporaryDir dir;
};

TEST_F(QtPicturesTest, FindsBitmapsWithoutRegardToLetterCase) {
  QtPictures pictures(dir.path());
  const struct { const char* asked; int width; } cases[] = {
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
  const struct { const char* asked; int error; } cases[] = {
      {"\\cball.bmp", kErrFileNotFound},     {"", kErrFileNotFound},
      {"all", kErrFileNotFound},             {"folder.bmp", kErrFileNotFound},
      {"notapicture.bmp", kErrInvalidPicture}, {"NOTAPICTURE.BMP", kErrInvalidPicture},
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

}  // namespace
