#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "automation/excel1.h"
#include "automation/is_installed.h"
#include "platform/dialogs.h"
#include "platform/fake_dialogs.h"
#include "platform/program_end.h"
#include "spreadsheet/api/application.h"
#include "spreadsheet/model/error.h"

namespace {

namespace api = spreadsheet::api;

class InstancesTest : public testing::Test {
 protected:
  void SetUp() override {
    platform::setApplicationTitleText("Tallyloom");
    platform::setProgramEndHandlerForTesting([this] { ++ends; });
  }
  void TearDown() override {
    api::Application::setFactoryForTesting(nullptr);
    platform::setProgramEndHandlerForTesting(nullptr);
    QLocale::setDefault(QLocale::c());
  }
  platform::FakeDialogs fake;
  int ends = 0;
};

TEST_F(InstancesTest, NoInstanceAtStartUpShowsAdviceAndEndsTheProgram) {
  api::Application::setFactoryForTesting(
      []() -> std::shared_ptr<api::Application> { throw spreadsheet::Error("Cannot create"); });
  automation::CheckExcelInstalled();
  ASSERT_EQ(fake.messages().size(), 1u);
  const platform::ShownMessage& box = fake.messages()[0];
  EXPECT_EQ(box.caption, "Tallyloom");
  EXPECT_EQ(box.buttons, platform::MessageButtons::Ok);
  EXPECT_EQ(box.icon, platform::MessageIcon::None);
  QStringList lines = box.text.split("\r\n\r\n");
  ASSERT_EQ(lines.size(), 5);
  EXPECT_EQ(lines[0], "Error 842001. A normal instance of Excel could not be created.");
  EXPECT_TRUE(lines[4].startsWith("4. All versions of Excel are supported"));
  EXPECT_FALSE(box.text.contains("\r\n\r\n\r\n"));
  EXPECT_EQ(ends, 1);
  EXPECT_TRUE(platform::ProgramEnded());
}

TEST_F(InstancesTest, WorkingEngineAtStartUpLeavesNothingRunning) {
  automation::CheckExcelInstalled();
  EXPECT_TRUE(fake.messages().empty());
  EXPECT_EQ(ends, 0);
  // The check's instance is dropped, so it does not count as running.
  EXPECT_FALSE(automation::IsExcelRunning());
}

TEST_F(InstancesTest, WarningOnlyWhileAnInstanceRuns) {
  EXPECT_FALSE(automation::ExcelOpenWarning());
  EXPECT_TRUE(fake.messages().empty());

  std::shared_ptr<api::Application> open = api::Application::create();
  EXPECT_TRUE(automation::IsExcelRunning());
  fake.scriptAnswer(platform::MessageAnswer::No);
  EXPECT_TRUE(automation::ExcelOpenWarning());
  fake.scriptAnswer(platform::MessageAnswer::Yes);
  EXPECT_FALSE(automation::ExcelOpenWarning());
  ASSERT_EQ(fake.messages().size(), 2u);
  EXPECT_EQ(fake.messages()[0].text,
            "Excel may be open. It is recommended that you close Excel first.\r"
            "Use Ctrl+Alt+Del > Task Manager > EXCEL.EXE if necessary.\r\n\r\n"
            "Would you like to proceed anyway?");
  EXPECT_EQ(fake.messages()[0].buttons, platform::MessageButtons::YesNo);
  EXPECT_EQ(fake.messages()[0].caption, "Tallyloom");

  open->Quit();
  EXPECT_FALSE(automation::IsExcelRunning());
}

TEST_F(InstancesTest, SaveFormatFromVersionUnderEitherDecimalMark) {
  for (QLocale locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                         QLocale(QLocale::German, QLocale::Germany)}) {
    QLocale::setDefault(locale);
    SCOPED_TRACE(locale.name().toStdString());
    EXPECT_EQ(automation::SaveFormatForVersion("11.0"), -4143);
    EXPECT_EQ(automation::SaveFormatForVersion("11,0"), -4143);
    EXPECT_EQ(automation::SaveFormatForVersion("11"), -4143);
    EXPECT_EQ(automation::SaveFormatForVersion("12.0"), 56);
    EXPECT_EQ(automation::SaveFormatForVersion("12,0"), 56);
    EXPECT_EQ(automation::SaveFormatForVersion("16.0"), 56);
    EXPECT_THROW(automation::SaveFormatForVersion("sixteen"), spreadsheet::Error);
  }
  EXPECT_EQ(automation::SaveFormatFor(nullptr), 56);
  EXPECT_FALSE(automation::IsExcelRunning());  // the temporary instance was quit
}

TEST_F(InstancesTest, OpenInNewExcelFailsForMissingFile) {
  QTemporaryDir dir;
  EXPECT_THROW(automation::OpenInNewExcel((dir.path() + "/missing.xls").toStdString()),
               std::exception);
}

TEST_F(InstancesTest, SheetEndingInRowOneGivesNoPicture) {
  QTemporaryDir dir;
  std::shared_ptr<api::Application> app = api::Application::create();
  api::Workbook book = app->Workbooks().Add();
  app->Range("A1:F1").setValue("x");
  QString path = dir.path() + "/temp.bmp";
  automation::saveCellsActivesheet(book, path);
  EXPECT_FALSE(QFile::exists(path));
  app->Range("A1:F1").Clear();
  app->Range("A1:A5").setValue("x");
  automation::saveCellsActivesheet(book, path);
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_TRUE(fake.errorReports().empty());
  app->Quit();
}

TEST_F(InstancesTest, SnapshotOfClosedWorkbookReportsEachStep) {
  QTemporaryDir dir;
  std::shared_ptr<api::Application> app = api::Application::create();
  api::Workbook book = app->Workbooks().Add();
  app->Quit();
  automation::saveCellsActivesheet(book, dir.path() + "/temp.bmp");
  // 100, 102 and 104 fail; the test of 106 then sees no last row and column.
  std::vector<int> lines;
  for (const auto& report : fake.errorReports()) {
    EXPECT_TRUE(
        report.text.contains("in Tallyloom2021/08/31.Excel1.saveCellsActivesheet at line "));
    lines.push_back(report.text.section("at line ", 1).section('\r', 0, 0).toInt());
  }
  EXPECT_EQ(lines, (std::vector<int>{100, 102, 104}));
}

}  // namespace
