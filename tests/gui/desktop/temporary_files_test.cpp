// The generation's temporary files in the shared temporary folder: never
// written through a link someone placed there, and a write that falls short is
// reported at its step.
#include <sys/mount.h>
#include <unistd.h>

#include <QFile>
#include <QRegularExpression>

#include "desktop_fixture.h"
#include "generator/generate_report.h"
#include "preview/form2.h"

namespace desktop_test {
namespace {

class TemporaryFilesTest : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    form = startForm();
    form->show();
    fake.clear();
    generator::setNameDigitSourceForTesting([] { return 1; });
  }
  void TearDown() override {
    generator::setNameDigitSourceForTesting({});
    form.reset();
    DesktopTest::TearDown();
  }
  std::unique_ptr<shell::Form1> form;
  QTemporaryDir elsewhere;  // stands for the files a placed link points at
};

TEST_F(TemporaryFilesTest, LinksUnderTheTemporaryNamesAreNeverFollowed) {
  const QString victim = elsewhere.filePath("precious");
  QFile precious(victim);
  ASSERT_TRUE(precious.open(QIODevice::WriteOnly));
  precious.write("keep me");
  precious.close();
  for (const char* name : {"/temp.bmp", "/template.xls"})
    ASSERT_TRUE(QFile::link(victim, temp.path() + name));
  // A dangling link under the workbook's name: following it would create the file it names.
  const QString planted = elsewhere.filePath("planted.xls");
  ASSERT_TRUE(QFile::link(planted, temp.path() + "/vorlan11111111.xls"));

  form->PushButton22_Click();
  EXPECT_TRUE(fake.errorReports().empty()) << fake.errorReports()[0].text.toStdString();
  ASSERT_TRUE(precious.open(QIODevice::ReadOnly));
  EXPECT_EQ(precious.readAll(), "keep me");
  EXPECT_FALSE(QFile::exists(planted));
  ASSERT_TRUE(form->Form2());
  const QString workbook = form->Form2()->mExcelFile();
  EXPECT_EQ(workbook, temp.path() + "/vorlan11111111.xls");
  EXPECT_FALSE(QFileInfo(workbook).isSymLink());
  EXPECT_EQ(tempFiles(), QStringList{"vorlan11111111.xls"});
}

TEST_F(TemporaryFilesTest, AFullTemporaryFolderIsReportedWhereTheTemplateIsWritten) {
  // A one-page (4 KB) folder cannot hold the 10 KB template workbook.
  if (::mount("tmpfs", temp.path().toUtf8().constData(), "tmpfs", 0, "size=4k") != 0)
    GTEST_SKIP() << "a small file system cannot be mounted here";
  form->PushButton22_Click();
  const auto reports = fake.errorReports();
  ::umount(temp.path().toUtf8().constData());
  ASSERT_FALSE(reports.empty());
  EXPECT_TRUE(reports[0].text.startsWith("Cannot write \"" + temp.path() +
                                         "/template.xls\": No space left on device.\r\n"))
      << reports[0].text.toStdString();
  EXPECT_TRUE(reports[0].text.contains("GenerateReport0 at line 130"))
      << reports[0].text.toStdString();
}

}  // namespace
}  // namespace desktop_test
