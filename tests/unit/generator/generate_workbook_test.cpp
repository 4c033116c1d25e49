#include "generator/generate_workbook.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "layout_fixture.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/workbook.h"

namespace generator {
namespace {

using testing::choicesFor;
namespace api = spreadsheet::api;

class GenerateWorkbookTest : public ::testing::Test {
 protected:
  void TearDown() override {
    api::Application::setFactoryForTesting(nullptr);
    EXPECT_EQ(api::Application::running(), nullptr) << "an instance was left running";
  }
  std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
  QTemporaryDir dir;
};

TEST_F(GenerateWorkbookTest, SavedWorkbookReopensWithSheetButtonsAndMacro) {
  const std::string out = path("sheet.xls");
  GenerateWorkbook(choicesFor(testing::kWeekdays, 2, 3), out);
  ASSERT_TRUE(QFile::exists(QString::fromStdString(out)));

  auto app = api::Application::create();
  auto book = app->Workbooks().Open(out);
  EXPECT_EQ(book.Sheets().Count(), 1);
  EXPECT_EQ(book.Sheets().Item(1).Name(), "TimeSheet");
  EXPECT_EQ(app->Range("E9").Value().toText(), "Monday");
  EXPECT_EQ(app->Range("O9").Value().toText(), "Monday");
  EXPECT_EQ(app->Range("E20").FormulaR1C1(),
            "=SUMIF(R[-8]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)");
  EXPECT_EQ(book.Names().RefersToR1C1("Time0"), "=TimeSheet!R205C29:R299C29");
  EXPECT_EQ(app->ActiveSheet().Buttons().Count(), 9);
  EXPECT_EQ(app->ActiveSheet().Buttons().Item(9).OnAction(), "'CopyTimes 10'");
  EXPECT_EQ(app->ActiveSheet().PageSetup().PrintArea(), "$A$1:$AE$30");
  EXPECT_TRUE(book.model().macroProject().has_value()) << "the CopyTimes module must travel along";
  app->Quit();
}

TEST_F(GenerateWorkbookTest, FailuresLeaveNoFile) {
  // A folder that does not exist.
  const std::string missing = path("no/such/folder/sheet.xls");
  EXPECT_THROW(GenerateWorkbook(choicesFor(testing::kWeekdays), missing), spreadsheet::Error);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(missing)));

  // No day: refused before anything is written; an older file stays as it was.
  const std::string older = path("older.xls");
  {
    QFile f(QString::fromStdString(older));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("keep");
  }
  EXPECT_THROW(GenerateWorkbook(choicesFor("......."), older), spreadsheet::Error);
  QFile f(QString::fromStdString(older));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("keep"));

  // The engine cannot start.
  api::Application::setFactoryForTesting(
      []() -> std::shared_ptr<api::Application> { throw spreadsheet::Error("cannot start"); });
  const std::string out = path("sheet.xls");
  EXPECT_THROW(GenerateWorkbook(choicesFor(testing::kWeekdays), out), spreadsheet::Error);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(out)));
}

TEST_F(GenerateWorkbookTest, StepsOneByOneThroughTheModuleInstance) {
  EXPECT_THROW(RequireExcelApp(), spreadsheet::Error);
  StartExcel();
  auto& app = RequireExcelApp();
  auto book = OpenTemplate(app, path("template.xls"));
  book->Sheets().Add();
  ASSERT_EQ(app.Sheets().Count(), 2);
  KeepOneTimeSheet(app);
  EXPECT_EQ(app.Sheets().Count(), 1);
  EXPECT_EQ(app.Sheets().Item(1).Name(), "TimeSheet");
  // One day, one week: no button.
  AddAllSameAsPreviousButtons(app, BuildSheetLayout(app, 1, choicesFor("x......", 1, 1)));
  EXPECT_EQ(app.ActiveSheet().Buttons().Count(), 0);
  SelectStartCells(app);
  EXPECT_EQ(app.ActiveCell().Address(), "$C$1");
  app.Quit();
  ReleaseExcel();
  EXPECT_EQ(ExcelApp(), nullptr);
}

}  // namespace
}  // namespace generator
