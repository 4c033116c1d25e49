// The pieces of the install that live in the program: its window icon and the
// lookup of the files shipped with it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "platform/folders.h"
#include "resources/app_icon.h"

namespace {

TEST(ApplicationIcon, CarriesEveryRenderedSize) {
  const QIcon icon = ApplicationIcon();
  ASSERT_FALSE(icon.isNull());
  const QList<QSize> expected{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
  QList<QSize> sizes = icon.availableSizes();
  std::sort(sizes.begin(), sizes.end(),
            [](const QSize& a, const QSize& b) { return a.width() < b.width(); });
  EXPECT_EQ(sizes, expected);
}

// A prefix laid out as `cmake --install` lays it out: the whole program in
// its private folder, its files in DATADIR/tallyloom.
class ProgramFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(prefix.isValid());
    bin = prefix.filePath(TALLYLOOM_INSTALL_PRIVATEDIR);
    data = prefix.filePath(TALLYLOOM_INSTALL_DATADIR "/tallyloom");
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QDir().mkpath(data + "/x"));
    platform::setProgramFolderForTesting(bin);
  }
  void TearDown() override { platform::setProgramFolderForTesting({}); }

  static void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  }

  QTemporaryDir prefix;
  QString bin;
  QString data;
};

TEST_F(ProgramFiles, InstalledCopiesAreFoundFromTheProgramFolder) {
  touch(data + "/HAND-M.CUR");
  touch(data + "/x/o.cjs");
  EXPECT_EQ(platform::handCursorPath(), data + "/HAND-M.CUR");
  EXPECT_EQ(platform::skinFilePath(), data + "/x/o.cjs");
}

TEST_F(ProgramFiles, AFileBesideTheProgramComesFirst) {
  touch(data + "/HAND-M.CUR");
  touch(bin + "/HAND-M.CUR");
  EXPECT_EQ(platform::handCursorPath(), bin + "/HAND-M.CUR");
}

TEST_F(ProgramFiles, WithNoCopyThePathBesideTheProgramIsNamed) {
  EXPECT_EQ(platform::handCursorPath(), bin + "/HAND-M.CUR");
  EXPECT_EQ(platform::skinFilePath(), bin + "/x/o.cjs");
}

}  // namespace
