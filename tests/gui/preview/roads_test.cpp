// The ways out of the preview: save, back and close.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "platform/program_end.h"
#include "preview_fixture.h"

namespace preview_test {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

class RoadsTest : public PreviewTest {
 protected:
  void SetUp() override {
    PreviewTest::SetUp();
    platform::setApplicationTitleText("Tallyloom Title");
    workbook = folder.filePath("vorlan12345678.xls");
    writeFile(workbook, workbookBytes);
    form->setMExcelFile(workbook);
  }
  // The boxes shown, after the save dialog, as text lines.
  QStringList shownTexts() const {
    QStringList texts;
    for (const auto& shown : dialogs.messages()) texts << shown.text;
    return texts;
  }
  // Files in the test folder, so leftovers of a copy show up.
  QStringList filesInFolder() const { return QDir(folder.path()).entryList(QDir::Files); }

  QByteArray workbookBytes = QByteArray("\xD0\xCF\x11\xE0 generated workbook", 24).repeated(500);
  QString workbook;
};

TEST_F(RoadsTest, CancelledDialogCopiesNothingAndSaysDone) {
  form->PushButton6_Click();
  ASSERT_EQ(dialogs.saveRequests().size(), 1U);
  const auto& request = dialogs.saveRequests()[0];
  EXPECT_EQ(request.fileName, "");
  EXPECT_EQ(request.title, "Save File");
  EXPECT_EQ(request.filter,
            "Excel Files (*.xls)|*.xls|Excel Workbook (*.xlsx)|*.xlsx|"
            "Excel Macro-Enabled Workbook (*.xlsm)|*.xlsm|OpenDocument Spreadsheet (*.ods)|*.ods|"
            "PDF page (*.pdf)|*.pdf|PNG picture (*.png)|*.png|");
  EXPECT_EQ(shownTexts(), QStringList{"Done."});
  const auto& done = dialogs.messages()[0];
  EXPECT_EQ(done.caption, "Tallyloom Title");
  EXPECT_EQ(done.buttons, MessageButtons::Ok);
  EXPECT_EQ(done.icon, MessageIcon::None);
  EXPECT_EQ(filesInFolder(), QStringList{"vorlan12345678.xls"});
}

TEST_F(RoadsTest, ExistingFileIsReplacedOnlyAfterYes) {
  const QString target = folder.filePath("week.xls");
  writeFile(target, "the user's old sheet");

  dialogs.scriptFileName(target);
  dialogs.scriptAnswer(MessageAnswer::No);
  form->PushButton6_Click();
  EXPECT_EQ(readAll(target), "the user's old sheet");
  const QString question = "Are you sure you wish to overwrite " + target + " ?";
  EXPECT_EQ(shownTexts(), (QStringList{question, "Done."}));
  EXPECT_EQ(dialogs.messages()[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(dialogs.messages()[0].icon, MessageIcon::None);
  EXPECT_EQ(dialogs.messages()[0].caption, "Tallyloom Title");

  dialogs.clear();
  dialogs.scriptFileName(target);
  dialogs.scriptAnswer(MessageAnswer::Yes);
  form->PushButton6_Click();
  EXPECT_EQ(readAll(target), workbookBytes);
  EXPECT_EQ(shownTexts(), (QStringList{question, "Done."}));
  EXPECT_EQ(readAll(workbook), workbookBytes);  // the temporary workbook stays
  EXPECT_EQ(filesInFolder().size(), 2);
}

TEST_F(RoadsTest, NewNameIsCopiedWithoutQuestionAndWithoutAddedExtension) {
  const QString target = folder.filePath("june.xls");
  dialogs.scriptFileName(target);
  form->PushButton6_Click();
  EXPECT_EQ(readAll(target), workbookBytes);
  EXPECT_EQ(shownTexts(), QStringList{"Done."});

  const QString bare = folder.filePath("july");
  dialogs.scriptFileName(bare);
  form->PushButton6_Click();
  EXPECT_EQ(readAll(bare), workbookBytes);
  EXPECT_FALSE(QFile::exists(bare + ".xls"));
}

TEST_F(RoadsTest, FailedCopyIsReportedAtItsStepAndKeepsTheOldFile) {
  const QString target = folder.filePath("week.xls");
  writeFile(target, "the user's old sheet");
  QFile::remove(workbook);  // the temporary workbook has gone

  dialogs.scriptFileName(target);
  dialogs.scriptAnswer(MessageAnswer::Yes);
  form->PushButton6_Click();
  ASSERT_EQ(dialogs.errorReports().size(), 1U);
  const QString report = dialogs.errorReports()[0].text;
  EXPECT_TRUE(
      report.startsWith("File not found\r\n"
                        "in Tallyloom2021/08/31.Form2.PushButton6_Click at line 130\r\r"))
      << report.toStdString();
  EXPECT_EQ(shownTexts().last(), "Done.");
  EXPECT_EQ(readAll(target), "the user's old sheet");
  EXPECT_EQ(filesInFolder(), QStringList{"week.xls"});
}

TEST_F(RoadsTest, CopyOntoAFolderIsReportedAndLeavesItAlone) {
  const QString target = folder.filePath("sheets");
  ASSERT_TRUE(QDir(folder.path()).mkdir("sheets"));
  dialogs.scriptFileName(target);
  dialogs.scriptAnswer(MessageAnswer::Yes);
  form->PushButton6_Click();
  ASSERT_EQ(dialogs.errorReports().size(), 1U);
  EXPECT_TRUE(dialogs.errorReports()[0].text.contains("PushButton6_Click at line 130"));
  EXPECT_TRUE(QFileInfo(target).isDir());
  EXPECT_EQ(shownTexts().last(), "Done.");
}

TEST_F(RoadsTest, BackDeletesTheWorkbookAndShowsTheMainWindow) {
  QWidget mainWindow;
  form->setMainWindow(&mainWindow);
  form->show();
  form->PushButton8_Click();
  EXPECT_FALSE(QFile::exists(workbook));
  EXPECT_TRUE(mainWindow.isVisible());
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->mExcelFile(), workbook);

  // Without a main window the road still ends quietly.
  form->setMainWindow(nullptr);
  form->show();
  form->PushButton8_Click();
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(dialogs.errorReports().empty());
}

// A main window that counts its closing steps.
class CountingWindow : public QWidget {
 public:
  int closes = 0;

 protected:
  void closeEvent(QCloseEvent* event) override {
    ++closes;
    event->accept();
  }
};

TEST_F(RoadsTest, ClosingDeletesTheWorkbookAndEndsTheProgramAlone) {
  int ends = 0;
  platform::setProgramEndHandlerForTesting([&] { ++ends; });
  CountingWindow mainWindow;
  form->setMainWindow(&mainWindow);
  form->show();
  EXPECT_TRUE(form->close());
  EXPECT_FALSE(QFile::exists(workbook));
  EXPECT_EQ(ends, 1);
  EXPECT_TRUE(platform::ProgramEnded());
  EXPECT_EQ(mainWindow.closes, 0);
  EXPECT_TRUE(dialogs.errorReports().empty());
  platform::setProgramEndHandlerForTesting(nullptr);
}

}  // namespace
}  // namespace preview_test
