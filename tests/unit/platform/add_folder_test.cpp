#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/add_folder.h"

namespace {

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

class AddFolderTest : public testing::Test {
 protected:
  QTemporaryDir dir;
  QString path(const QString& name) const { return dir.path() + "/" + name; }
};

TEST_F(AddFolderTest, ExistsForFilesAndFoldersOnly) {
  writeFile(path("a.txt"), "x");
  EXPECT_TRUE(platform::FileOrFolderExists(path("a.txt")));
  EXPECT_TRUE(platform::FileOrFolderExists(dir.path()));
  EXPECT_FALSE(platform::FileOrFolderExists(""));
  EXPECT_FALSE(platform::FileOrFolderExists(path("missing.txt")));
  EXPECT_FALSE(platform::FileOrFolderExists(path("missing/deeper/a.txt")));
}

TEST_F(AddFolderTest, QuietDeleteOfMissingFileDoesNothing) {
  EXPECT_NO_THROW(platform::DeleteFileQuietly(path("missing.bmp")));
  EXPECT_NO_THROW(platform::DeleteFileQuietly(""));
  EXPECT_NO_THROW(platform::DeleteFileQuietly(dir.path()));
  EXPECT_TRUE(QDir(dir.path()).exists());
}

TEST_F(AddFolderTest, ReadOnlyFilesAreDeleted) {
  for (const QString& name : {QString("quiet.xls"), QString("forced.xls")}) {
    writeFile(path(name), "data");
    ASSERT_TRUE(QFile::setPermissions(path(name), QFileDevice::ReadOwner));
  }
  platform::DeleteFileQuietly(path("quiet.xls"));
  EXPECT_FALSE(QFile::exists(path("quiet.xls")));
  platform::ForceDeleteFile(path("forced.xls"));
  EXPECT_FALSE(QFile::exists(path("forced.xls")));
  EXPECT_THROW(platform::ForceDeleteFile(path("forced.xls")), std::runtime_error);
}

TEST_F(AddFolderTest, WriteKeepsBytesPastTheNewEnd) {
  writeFile(path("t.xls"), "0123456789");
  platform::WriteBytesToFile("abc", path("t.xls"));
  EXPECT_EQ(readAll(path("t.xls")), QByteArray("abc3456789"));

  platform::WriteBytesToFile("new", path("fresh.xls"));
  EXPECT_EQ(readAll(path("fresh.xls")), QByteArray("new"));
}

TEST_F(AddFolderTest, WriteIntoMissingFolderFails) {
  EXPECT_THROW(platform::WriteBytesToFile("abc", path("no/such/t.xls")), std::runtime_error);
  EXPECT_FALSE(QFile::exists(path("no")));
}

}  // namespace
