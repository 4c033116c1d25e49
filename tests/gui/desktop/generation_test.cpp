#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "automation/excel1.h"
#include "desktop_fixture.h"
#include "generator/generate_report.h"
#include "generator/generate_workbook.h"
#include "platform/clipboard_picture.h"
#include "preview/form2.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/workbook_file.h"

namespace desktop_test {
namespace {

namespace api = spreadsheet::api;

const QString kDriver = "in Tallyloom2021/08/31.TimeSheet.GenerateReport0 ";

class GenerationTest : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    form = startForm();
    form->show();
    fake.clear();
  }
  void TearDown() override {
    generator::setNameDigitSourceForTesting({});
    form.reset();
    DesktopTest::TearDown();
  }
  QStringList generatedWorkbooks() const {
    return tempFiles().filter(QRegularExpression("^vorlan[1-9]{8}\\.xls$"));
  }
  std::unique_ptr<shell::Form1> form;
};

TEST_F(GenerationTest, FullGenerationHandsTheWorkbookToThePreview) {
  form->PushButton22_Click();
  EXPECT_TRUE(fake.messages().empty()) << fake.messages()[0].text.toStdString();
  ASSERT_EQ(generatedWorkbooks().size(), 1);
  EXPECT_EQ(tempFiles(), generatedWorkbooks());  // temp.bmp and template.xls are gone
  const QString path = temp.path() + "/" + generatedWorkbooks()[0];
  std::unique_ptr<spreadsheet::Workbook> book = spreadsheet::xls::openWorkbook(path.toStdString());
  ASSERT_TRUE(book);
  EXPECT_EQ(book->sheetCount(), 1u);
  EXPECT_TRUE(book->findSheet("TimeSheet"));

  ASSERT_TRUE(form->Form2());
  EXPECT_TRUE(form->Form2()->isVisible());
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->Form2()->mExcelFile(), path);
  // The view got the picture.
  const preview::Form2& preview = *form->Form2();
  ASSERT_TRUE(preview.View()->picture());
  const QImage shown = preview.View()->picture()->draw(
      QRect(QPoint(0, 0), preview.View()->picture()->size()));
  EXPECT_GT(shown.width(), 100);
  EXPECT_GT(shown.height(), 100);
  EXPECT_EQ(form->mousePointer(), shell::Form1::Pointer::Default);
  // Both instances of the run have ended.
  EXPECT_FALSE(automation::IsExcelRunning());

  // The command line's road gives the same file for the same choices.
  const QString alone = temp.path() + "/alone.xls";
  generator::GenerateWorkbook(generator::CurrentLayoutChoices(*form), alone.toStdString());
  QFile a(path), b(alone);
  ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
  EXPECT_TRUE(a.readAll() == b.readAll()) << "the desktop and the command line differ";
}

TEST_F(GenerationTest, NoDayChosenShowsOnlyTheTwoLineMessage) {
  for (int box = 1; box <= 7; ++box) form->setCheckValue(box, 0);
  form->setCheckValue(4, 2);  // a greyed day counts as not chosen
  form->PushButton22_Click();
  ASSERT_EQ(fake.messages().size(), 1u);
  EXPECT_EQ(fake.messages()[0].text,
            "There are no columns in the time sheet template.\r\n"
            "You turned off all columns of the time sheet template.\r\n");
  EXPECT_EQ(fake.messages()[0].caption, "Tallyloom");
  EXPECT_EQ(fake.messages()[0].icon, platform::MessageIcon::None);
  EXPECT_TRUE(tempFiles().isEmpty());
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(form->Form2());
  EXPECT_EQ(form->mousePointer(), shell::Form1::Pointer::Default);
}

TEST_F(GenerationTest, DecliningTheRunningInstanceWarningChangesNothing) {
  std::shared_ptr<api::Application> running = api::Application::create();
  fake.scriptAnswer(platform::MessageAnswer::No);
  form->PushButton22_Click();
  ASSERT_EQ(fake.messages().size(), 1u);
  EXPECT_EQ(fake.messages()[0].buttons, platform::MessageButtons::YesNo);
  EXPECT_TRUE(tempFiles().isEmpty());
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->mousePointer(), shell::Form1::Pointer::Default);

  fake.scriptAnswer(platform::MessageAnswer::Yes);
  form->PushButton22_Click();
  EXPECT_EQ(generatedWorkbooks().size(), 1);
  EXPECT_TRUE(fake.errorReports().empty());
  running->Quit();
}

TEST_F(GenerationTest, StaleLongerTemplateFileDoesNotSpoilTheRun) {
  QFile stale(temp.path() + "/template.xls");
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.write(QByteArray(200000, '\x5A'));
  stale.close();
  form->PushButton22_Click();
  EXPECT_TRUE(fake.errorReports().empty());
  ASSERT_EQ(generatedWorkbooks().size(), 1);
  EXPECT_EQ(tempFiles(), generatedWorkbooks());
}

// The picture reaches the preview in memory: nothing is written under the
// hand-over name "temp.bmp", so a folder standing there hinders nothing, the
// preview shows exactly the picture of the saved workbook, and no other copy stays.
TEST_F(GenerationTest, PictureReachesThePreviewWithoutAFile) {
  ASSERT_TRUE(QDir(temp.path()).mkdir("temp.bmp"));
  form->PushButton22_Click();
  EXPECT_TRUE(fake.errorReports().empty()) << fake.errorReports()[0].text.toStdString();
  ASSERT_TRUE(form->Form2());
  const preview::Form2& preview = *form->Form2();
  ASSERT_TRUE(preview.View()->picture());
  const QImage shown = preview.View()->picture()->draw(
      QRect(QPoint(0, 0), preview.View()->picture()->size()));
  // The private clipboard does not keep a second copy of the picture.
  EXPECT_FALSE(platform::GetClipboardPicture(platform::kAnyPictureFormat));
  ASSERT_EQ(generatedWorkbooks().size(), 1);
  auto app =
      automation::OpenInNewExcel((temp.path() + "/" + generatedWorkbooks()[0]).toStdString());
  const QString file = QDir(temp.path()).filePath("again.bmp");
  automation::saveCellsActivesheet(app->ActiveWorkbook(), file);
  app->Quit();
  EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
            QImage(file).convertToFormat(QImage::Format_RGB32));
}

TEST_F(GenerationTest, RandomNameNeverReusesAnExistingFile) {
  for (const char* name : {"/vorlan11111111.xls", "/vorlan22222222.xls"}) {
    QFile existing(temp.path() + name);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  }
  int draws = 0;
  generator::setNameDigitSourceForTesting([&draws] { return 1 + (draws++ / 8) % 9; });
  form->PushButton22_Click();
  EXPECT_TRUE(fake.errorReports().empty());
  EXPECT_EQ(form->Form2()->mExcelFile(), temp.path() + "/vorlan33333333.xls");
  QFile first(temp.path() + "/vorlan11111111.xls");
  EXPECT_EQ(first.size(), 0);  // untouched
}

TEST_F(GenerationTest, EngineThatCannotStartReportsEveryStepThatNeedsIt) {
  api::Application::setFactoryForTesting([]() -> std::shared_ptr<api::Application> {
    throw spreadsheet::Error("ActiveX component can't create object");
  });
  form->PushButton22_Click();
  std::vector<int> lines = reportedLines(kDriver);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), 114);
  EXPECT_TRUE(fake.errorReports()[0].text.startsWith("ActiveX component can't create object\r\n"));
  for (int line : {116, 126, 132, 140, 142, 148, 162, 180, 190, 206})
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
  EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end()));
  // The run still ends: the temporary files are removed and the pointer reset.
  EXPECT_TRUE(generatedWorkbooks().isEmpty());
  EXPECT_FALSE(QFile::exists(temp.path() + "/template.xls"));
  EXPECT_EQ(form->mousePointer(), shell::Form1::Pointer::Default);
}

TEST_F(GenerationTest, SecondInstanceFailingIsReportedStepByStep) {
  int created = 0;
  api::Application::setFactoryForTesting([&created]() -> std::shared_ptr<api::Application> {
    if (++created == 2) throw spreadsheet::Error("Out of memory");
    return api::Application::makeInstance();
  });
  form->PushButton22_Click();
  EXPECT_EQ(reportedLines(kDriver), (std::vector<int>{190, 194, 196, 198, 200, 202, 206}));
  // The workbook was saved before the picture instance was needed.
  ASSERT_EQ(generatedWorkbooks().size(), 1);
  EXPECT_EQ(form->Form2()->mExcelFile(), temp.path() + "/" + generatedWorkbooks()[0]);
  EXPECT_FALSE(QFile::exists(temp.path() + "/template.xls"));
}

}  // namespace
}  // namespace desktop_test
