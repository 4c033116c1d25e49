// Saving the generated workbook in the format of the chosen name's ending,
// or its printed page or picture.
#include <QDir>
#include <QFile>

#include "app/command_line_outputs.h"
#include "generator/generate_workbook.h"
#include "platform/qt_dialogs.h"
#include "preview_fixture.h"

namespace preview_test {
namespace {

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SaveFormatsTest : public PreviewTest {
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
  QString workbook;
};

// Each ending gets its own package; the zip entry names tell them apart.
TEST_F(SaveFormatsTest, EachEndingWritesItsFormatAndSaysDone) {
  saveAs("week.ods");
  const QByteArray ods = readAll(folder.filePath("week.ods"));
  // An OpenDocument package starts with its stored mimetype entry.
  EXPECT_EQ(ods.mid(30, 8), "mimetype");
  EXPECT_EQ(ods.mid(38, 46), "application/vnd.oasis.opendocument.spreadsheet");
  EXPECT_TRUE(ods.contains("Basic/Standard/Module1.xml"));

  saveAs("week.xlsx");
  const QByteArray xlsx = readAll(folder.filePath("week.xlsx"));
  EXPECT_TRUE(xlsx.startsWith("PK"));
  EXPECT_TRUE(xlsx.contains("xl/workbook.xml"));
  EXPECT_FALSE(xlsx.contains("vbaProject.bin"));

  saveAs("week.XLSM");
  const QByteArray xlsm = readAll(folder.filePath("week.XLSM"));
  EXPECT_TRUE(xlsm.contains("xl/vbaProject.bin"));
  EXPECT_TRUE(xlsm.contains("xl/drawings/vmlDrawing1.vml"));

  saveAs("week.xls");
  EXPECT_EQ(readAll(folder.filePath("week.xls")), readAll(workbook));
  EXPECT_TRUE(dialogs.errorReports().empty());
  int done = 0;
  for (const auto& shown : dialogs.messages()) done += shown.text == "Done." ? 1 : 0;
  EXPECT_EQ(done, 4);
}

// The page and the picture are the command line's --pdf and --picture, and
// an existing one is replaced after the question.
TEST_F(SaveFormatsTest, PageAndPictureEqualTheCommandLines) {
  tallyloom::CommandLineRequest request;
  request.kind = tallyloom::CommandLineRequest::Kind::Generate;
  request.output = workbook.toStdString();
  request.pdf = folder.filePath("line.pdf").toStdString();
  request.picture = folder.filePath("line.png").toStdString();
  ASSERT_EQ(tallyloom::writeOutputs(request, generator::DefaultLayoutChoices(), request.output,
                                    &tallyloom::commandLineDrawing()),
            0);

  saveAs("week.pdf");
  saveAs("week.PNG");
  saveAs("week.pdf");
  const QByteArray pdf = readAll(folder.filePath("week.pdf"));
  const QByteArray png = readAll(folder.filePath("week.PNG"));
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_TRUE(png.startsWith("\x89PNG"));
  EXPECT_EQ(pdf, readAll(folder.filePath("line.pdf")));
  EXPECT_EQ(png, readAll(folder.filePath("line.png")));
  EXPECT_TRUE(dialogs.errorReports().empty());
  QStringList shown;
  for (const auto& message : dialogs.messages()) shown << message.text.left(35);
  EXPECT_EQ(shown, (QStringList{"Done.", "Done.", "Are you sure you wish to overwrite ", "Done."}));
}

TEST_F(SaveFormatsTest, AnUnreadableWorkbookIsReportedAndTheOldFileKept) {
  {
    QFile broken(workbook);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a workbook");
  }
  for (const char* name : {"week.ods", "week.png", "week.pdf"}) {
    const QString target = folder.filePath(name);
    {
      QFile old(target);
      ASSERT_TRUE(old.open(QIODevice::WriteOnly));
      old.write("the user's old file");
    }
    dialogs.clear();
    saveAs(name);
    // Said plainly, not as a fault of the program, and never "Done.".
    EXPECT_TRUE(dialogs.errorReports().empty()) << name;
    EXPECT_TRUE(dialogs.messages().back().text.startsWith("Could not save " + target + ".\n\n"))
        << dialogs.messages().back().text.toStdString();
    EXPECT_EQ(readAll(target), "the user's old file") << name;
  }
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 4);
}

TEST(SaveDialogFilterTest, EachPatternIsShownOnce) {
  EXPECT_EQ(platform::qtFilterFromPairs(
                "Excel Files (*.xls)|*.xls|OpenDocument Spreadsheet (*.ods)|*.ods|"),
            "Excel Files (*.xls);;OpenDocument Spreadsheet (*.ods)");
  EXPECT_EQ(platform::qtFilterFromPairs("Excel Files|*.xls|"), "Excel Files (*.xls)");
}

}  // namespace
}  // namespace preview_test
