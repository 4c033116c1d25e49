// Saving from the preview onto a symbolic link or a pipe: the link stays and
// its file is replaced; the pipe is never replaced by an ordinary file.
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>

#include "preview_fixture.h"

namespace preview_test {
namespace {

class SaveTargetTest : public PreviewTest {
 protected:
  void SetUp() override {
    PreviewTest::SetUp();
    workbook = folder.filePath("vorlan12345678.xls");
    QFile file(workbook);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(workbookBytes);
    file.close();
    form->setMExcelFile(workbook);
  }
  void saveOnto(const QString& target) {
    dialogs.scriptFileName(target);
    dialogs.scriptAnswer(platform::MessageAnswer::Yes);
    form->PushButton6_Click();
  }
  QByteArray workbookBytes = QByteArray("\xD0\xCF\x11\xE0 generated", 14).repeated(300);
  QString workbook;
};

TEST_F(SaveTargetTest, ALinkStaysALinkAndItsFileGetsTheWorkbook) {
  ASSERT_TRUE(QDir(folder.path()).mkdir("sheets"));
  const QString real = folder.filePath("sheets/week.xls");
  QFile old(real);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  ASSERT_TRUE(QFile::link(real, folder.filePath("week.xls")));
  saveOnto(folder.filePath("week.xls"));
  EXPECT_TRUE(dialogs.errorReports().empty());
  EXPECT_TRUE(QFileInfo(folder.filePath("week.xls")).isSymLink());
  QFile saved(real);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), workbookBytes);
  EXPECT_EQ(QDir(folder.filePath("sheets")).entryList(QDir::Files | QDir::Hidden),
            QStringList{"week.xls"});
}

TEST_F(SaveTargetTest, APipeNobodyReadsIsSaidAndStaysAPipe) {
  const QString pipe = folder.filePath("pipe.xls");
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  saveOnto(pipe);
  EXPECT_TRUE(dialogs.errorReports().empty());
  const QString said = dialogs.messages().back().text;
  EXPECT_TRUE(said.startsWith("Could not save " + pipe + ".")) << said.toStdString();
  EXPECT_TRUE(said.contains("a pipe that nobody reads")) << said.toStdString();
  struct stat st {};
  ASSERT_EQ(::lstat(QFile::encodeName(pipe).constData(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

}  // namespace
}  // namespace preview_test
