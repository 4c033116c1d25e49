#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include "spreadsheet/picture/clipboard.h"
#include "spreadsheet/picture/sheet_picture.h"

namespace {

using namespace spreadsheet::picture;

QImage sample() {
  QImage image(7, 5, QImage::Format_RGB32);
  image.fill(qRgb(10, 200, 30));
  image.setPixel(3, 2, qRgb(255, 0, 0));
  return image;
}

TEST(PrivateClipboard, HoldsTheLastPictureUntilCleared) {
  clearClipboard();
  EXPECT_FALSE(clipboardPicture().has_value());
  putPicture(sample());
  QImage second = sample();
  second.setPixel(0, 0, qRgb(0, 0, 255));
  putPicture(second);
  ASSERT_TRUE(clipboardPicture().has_value());
  EXPECT_EQ(*clipboardPicture(), second);
  clearClipboard();
  EXPECT_FALSE(clipboardPicture().has_value());
}

// The format follows the name; a reader that looks at the content gets the
// same pixels back whatever the name says.
TEST(PictureFile, FormatByExtensionReadableByContent) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const struct {
    const char* name;
    QByteArray magic;
  } cases[] = {{"temp.bmp", "BM"}, {"shot.PNG", "\x89PNG"}, {"picture.dat", "BM"}, {"noext", "BM"}};
  for (const auto& c : cases) {
    const QString path = dir.filePath(QString::fromLatin1(c.name));
    ASSERT_TRUE(savePicture(sample(), path.toStdString())) << c.name;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(8).startsWith(c.magic)) << c.name;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage back = reader.read();
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), sample()) << c.name;
  }
}

TEST(PictureFile, FailureLeavesNoFileAndKeepsTheOldOne) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("temp.bmp"));
  EXPECT_FALSE(
      savePicture(sample(), dir.filePath(QStringLiteral("missing/temp.bmp")).toStdString()));
  EXPECT_FALSE(savePicture(sample(), ""));
  ASSERT_TRUE(savePicture(sample(), path.toStdString()));
  const qint64 size = QFile(path).size();
  EXPECT_FALSE(savePicture(QImage(), path.toStdString()));
  EXPECT_EQ(QFile(path).size(), size);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file left behind";
}

}  // namespace
