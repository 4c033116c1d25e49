#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "spreadsheet/picture/picture_file.h"

namespace {

using spreadsheet::picture::readPictureFile;
using spreadsheet::picture::writePictureFile;

QImage opaque() {
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(qRgb(10, 120, 200));
  image.setPixel(3, 4, qRgb(250, 0, 0));
  return image;
}

// The picture just written comes back without decoding the file (it shares
// the drawn pixels), once; later reads decode the file.
TEST(PictureHandOver, TheWrittenPictureIsHandedOverOnce) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("temp.bmp").toStdString();
  const QImage drawn = opaque();
  writePictureFile(drawn, path);
  const QImage first = readPictureFile(path);
  EXPECT_EQ(first.constBits(), drawn.constBits());
  const QImage second = readPictureFile(path);
  EXPECT_NE(second.constBits(), drawn.constBits());
  EXPECT_EQ(second.convertToFormat(QImage::Format_RGB32), drawn);
}

// A file changed since it was written is read as it is now; so is any file
// when the picture written had an alpha channel the file cannot keep.
TEST(PictureHandOver, ChangedFilesAndTransparentPicturesAreReadFromTheFile) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("temp.bmp").toStdString();
  writePictureFile(opaque(), path);
  QImage other(7, 5, QImage::Format_RGB32);
  other.fill(Qt::green);
  ASSERT_TRUE(other.save(QString::fromStdString(path), "BMP"));
  EXPECT_EQ(readPictureFile(path).size(), QSize(7, 5));

  QImage clear(8, 8, QImage::Format_ARGB32);
  clear.fill(qRgba(255, 0, 0, 0));
  writePictureFile(clear, path);
  const QImage read = readPictureFile(path);
  EXPECT_NE(read.constBits(), clear.constBits());
  EXPECT_FALSE(read.hasAlphaChannel());

  EXPECT_TRUE(readPictureFile(dir.filePath("missing.bmp").toStdString()).isNull());
}

}  // namespace
