// The ways out of the preview: save, back and close.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <unistd.h>

#include "platform/program_end.h"
#include "preview/save_format.h"
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

TEST_F(RoadsTest, CancelledDialogEndsQuietly) {
  form->PushButton6_Click();
  ASSERT_EQ(dialogs.saveRequests().size(), 1U);
  const auto& request = dialogs.saveRequests()[0];
  // The first save opens in the home folder with a suggested name.
  EXPECT_EQ(request.fileName, QDir::home().filePath("time-sheet.xls"));
  EXPECT_EQ(request.title, "Save File");
  EXPECT_EQ(request.filter,
            "Excel Files (*.xls)|*.xls|Excel Workbook (*.xlsx)|*.xlsx|"
            "Excel Macro-Enabled Workbook (*.xlsm)|*.xlsm|OpenDocument Spreadsheet (*.ods)|*.ods|"
            "PDF page (*.pdf)|*.pdf|PNG picture (*.png)|*.png|Web page (*.html)|*.html|");
  EXPECT_TRUE(shownTexts().isEmpty());
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
  EXPECT_EQ(shownTexts(), QStringList{question});  // No: nothing more to say
  EXPECT_EQ(dialogs.messages()[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(dialogs.messages()[0].caption, "Tallyloom Title");

  dialogs.clear();
  dialogs.scriptFileName(target);
  dialogs.scriptAnswer(MessageAnswer::Yes);
  form->PushButton6_Click();
  EXPECT_EQ(readAll(target), workbookBytes);
  EXPECT_EQ(shownTexts(), (QStringList{question, "Done."}));
  const auto& done = dialogs.messages()[1];
  EXPECT_EQ(done.caption, "Tallyloom Title");
  EXPECT_EQ(done.buttons, MessageButtons::Ok);
  EXPECT_EQ(readAll(workbook), workbookBytes);  // the temporary workbook stays
}

// The chosen type's ending goes on a name typed without one; the next
// dialog opens where the last file went.
TEST_F(RoadsTest, TypedNameGetsTheChosenEndingAndTheFolderIsRemembered) {
  ASSERT_TRUE(QDir(folder.path()).mkdir("june"));
  dialogs.scriptFileName(folder.filePath("june/week"));
  form->PushButton6_Click();
  EXPECT_EQ(readAll(folder.filePath("june/week.xls")), workbookBytes);
  EXPECT_FALSE(QFile::exists(folder.filePath("june/week")));
  EXPECT_EQ(shownTexts(), QStringList{"Done."});

  preview::Form2 nextRun;  // remembered in the settings, not in the window
  nextRun.PushButton6_Click();
  EXPECT_EQ(dialogs.saveRequests().back().fileName, folder.filePath("june/time-sheet.xls"));
}

TEST(SaveEnding, FollowsTheChosenTypeUnlessTheNameHasAKnownOne) {
  const QString filter =
      "Excel Files (*.xls)|*.xls|Excel Workbook (*.xlsx)|*.xlsx|"
      "PDF page (*.pdf)|*.pdf|";
  struct Case {
    const char* typed;
    int chosen;
    const char* saved;
  };
  const Case cases[] = {
      {"/t/week", 2, "/t/week.pdf"},        {"/t/week", 0, "/t/week.xls"},
      {"/t/week.pdf", 0, "/t/week.pdf"},    {"/t/week.XLSX", 2, "/t/week.XLSX"},
      {"/t/week.v2", 1, "/t/week.v2.xlsx"}, {"/t/.xls", 0, "/t/.xls.xls"},
      {"/t/week", 9, "/t/week.xls"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(preview::WithChosenEnding(c.typed, filter, c.chosen), c.saved) << c.typed;
}

// The reason is the system's, in words; the old file stays; no "Done." and
// no numbered report.
TEST_F(RoadsTest, FailedWritesSayWhichFileAndWhy) {
  QTemporaryDir locked;
  const bool root = ::geteuid() == 0;
  // Root writes anywhere it may: /sys refuses even root.
  const QString denied = root ? "/sys/week.xls" : locked.filePath("week.xls");
  if (!root) QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner);
  struct Case {
    QString target;
    QString reason;
  };
  const Case cases[] = {
      {denied, "Permission denied"},
      {folder.filePath("no such folder/week.xls"), "No such file or directory"},
  };
  for (const Case& c : cases) {
    dialogs.clear();
    dialogs.scriptFileName(c.target);
    form->PushButton6_Click();
    EXPECT_EQ(shownTexts(), QStringList{"Could not save " + c.target + ".\n\n" + c.reason});
    EXPECT_EQ(dialogs.messages().back().caption, "Tallyloom Title");
    EXPECT_TRUE(dialogs.errorReports().empty());
    EXPECT_FALSE(QFile::exists(c.target));
  }
  QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  // The generated workbook gone from the temporary folder.
  const QString target = folder.filePath("week.xls");
  writeFile(target, "the user's old sheet");
  QFile::remove(workbook);
  dialogs.clear();
  dialogs.scriptFileName(target);
  form->PushButton6_Click();
  EXPECT_TRUE(shownTexts().last().startsWith("Could not save " + target + ".\n\nThe generated "));
  EXPECT_EQ(readAll(target), "the user's old sheet");
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

TEST_F(RoadsTest, ClosingDeletesTheWorkbookStoresTheChoicesAndEndsTheProgram) {
  CountingWindow mainWindow;
  form->setMainWindow(&mainWindow);
  int stored = 0;
  form->setStoreChoices([&] { ++stored; });
  form->show();
  EXPECT_TRUE(form->close());
  EXPECT_FALSE(QFile::exists(workbook));
  EXPECT_EQ(programEnds, 1);
  EXPECT_EQ(stored, 1);
  EXPECT_EQ(mainWindow.closes, 0);
  EXPECT_TRUE(dialogs.errorReports().empty());
}

}  // namespace
}  // namespace preview_test
