// Saving the page and the picture from the save dialog: the same files as
// the command line's --pdf and --picture, with the same question and report.
#include <QFile>

#include "app/command_line_outputs.h"
#include "generator/generate_workbook.h"
#include "preview_fixture.h"

namespace preview_test {
namespace {

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PrintedOutputsTest : public PreviewTest {
 protected:
  void SetUp() override {
    PreviewTest::SetUp();
    workbook = folder.filePath("vorlan12345678.xls");
    generator::GenerateWorkbook(generator::DefaultLayoutChoices(), workbook.toStdString());
    form->setMExcelFile(workbook);
  }
  void saveAs(const QString& name) {
    dialogs.scriptFileName(folder.filePath(name));
    dialogs.scriptAnswer(platform::MessageAnswer::Yes);
    form->PushButton6_Click();
  }
  int doneCount() const {
    int done = 0;
    for (const auto& shown : dialogs.messages()) done += shown.text == "Done." ? 1 : 0;
    return done;
  }
  QString workbook;
};

TEST_F(PrintedOutputsTest, PageAndPictureEqualTheCommandLines) {
  tallyloom::CommandLineRequest request;
  request.kind = tallyloom::CommandLineRequest::Kind::Generate;
  request.output = workbook.toStdString();
  request.pdf = folder.filePath("line.pdf").toStdString();
  request.picture = folder.filePath("line.png").toStdString();
  ASSERT_EQ(tallyloom::writeOutputs(request, generator::DefaultLayoutChoices(), request.output), 0);

  saveAs("week.pdf");
  saveAs("week.PNG");
  saveAs("week.pdf");  // again: asks first, then replaces
  const QByteArray pdf = readAll(folder.filePath("week.pdf"));
  const QByteArray png = readAll(folder.filePath("week.PNG"));
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_TRUE(png.startsWith("\x89PNG"));
  EXPECT_EQ(pdf, readAll(folder.filePath("line.pdf")));
  EXPECT_EQ(png, readAll(folder.filePath("line.png")));
  EXPECT_TRUE(dialogs.errorReports().empty());
  EXPECT_EQ(doneCount(), 3);
  EXPECT_TRUE(dialogs.messages()[2].text.startsWith("Are you sure you wish to overwrite "));
}

TEST_F(PrintedOutputsTest, AnUnreadableWorkbookIsReportedAndTheOldPictureKept) {
  const QString target = folder.filePath("week.png");
  {
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the user's old picture");
    QFile broken(workbook);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a workbook");
  }
  saveAs("week.png");
  ASSERT_EQ(dialogs.errorReports().size(), 1U);
  EXPECT_TRUE(dialogs.errorReports()[0].text.contains("PushButton6_Click at line 130"));
  EXPECT_EQ(readAll(target), "the user's old picture");
  EXPECT_EQ(doneCount(), 1);
}

}  // namespace
}  // namespace preview_test
