#include "generator/generate_workbook.h"

#include <gtest/gtest.h>

#include <array>

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

// The 56 colours as (R, G, B), typed from the table, read back from
// the saved workbook by red, green and blue.
TEST_F(GenerateWorkbookTest, PaletteArrivesInTheSavedWorkbook) {
  static constexpr int kColours[56][3] = {
      {0, 0, 0},       {255, 255, 255}, {255, 0, 0},     {0, 255, 0},     {104, 150, 206},
      {255, 255, 0},   {255, 0, 255},   {0, 255, 255},   {128, 0, 0},     {84, 125, 146},
      {184, 203, 214}, {55, 82, 95},    {59, 59, 59},    {0, 128, 128},   {224, 224, 224},
      {128, 128, 128}, {153, 153, 255}, {8, 132, 131},   {249, 247, 105}, {204, 255, 255},
      {102, 0, 102},   {255, 128, 128}, {0, 102, 204},   {204, 204, 255}, {0, 0, 128},
      {255, 0, 255},   {255, 255, 0},   {0, 255, 255},   {128, 0, 128},   {128, 0, 0},
      {0, 128, 128},   {0, 0, 255},     {0, 204, 255},   {254, 252, 242}, {204, 255, 204},
      {255, 231, 189}, {252, 250, 242}, {255, 153, 204}, {234, 234, 234}, {253, 247, 223},
      {51, 102, 255},  {51, 204, 204},  {206, 234, 246}, {255, 204, 0},   {255, 153, 0},
      {255, 102, 0},   {251, 248, 239}, {207, 207, 207}, {190, 190, 190}, {51, 153, 102},
      {115, 158, 211}, {236, 245, 215}, {153, 51, 0},    {153, 51, 102},  {241, 246, 249},
      {51, 51, 51}};
  const std::string out = path("palette.xls");
  GenerateWorkbook(choicesFor(testing::kWeekdays), out);
  auto app = api::Application::create();
  auto book = app->Workbooks().Open(out);
  for (int i = 1; i <= 56; ++i) {
    const spreadsheet::Rgb c = book.Colors(i);
    const int* want = kColours[i - 1];
    EXPECT_EQ((std::array{spreadsheet::red(c), spreadsheet::green(c), spreadsheet::blue(c)}),
              (std::array{want[0], want[1], want[2]}))
        << "colour " << i;
  }
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

// The generation's own step table, run in two parts around a second sheet
// that a template might carry. Button counts from the examples.
TEST_F(GenerateWorkbookTest, BuildStepsKeepOneSheetAddButtonsAndSelectTheTitle) {
  struct Case {
    const char* days;
    int weeks;
    int buttons;
  };
  for (const Case& c : {Case{"x......", 1, 0}, Case{"xxxxxxx", 4, 27}, Case{".xxxxx.", 2, 9}}) {
    SCOPED_TRACE(c.days);
    std::shared_ptr<api::Application> app;
    Generation g(app);
    g.templatePath = path("template.xls");
    const LayoutChoices choices = choicesFor(c.days, c.weeks, 1);
    g.choices = [&] { return choices; };
    RunSteps(StepsBetween(BuildSteps(), 114, 134), g, nullptr);
    ASSERT_TRUE(app);
    app->ActiveWorkbook().Sheets().Add();
    ASSERT_EQ(app->Sheets().Count(), 2);
    RunSteps(StepsBetween(BuildSteps(), 136, 162), g, nullptr);
    EXPECT_EQ(app->Sheets().Count(), 1);
    EXPECT_EQ(app->Sheets().Item(1).Name(), "TimeSheet");
    EXPECT_EQ(app->ActiveSheet().Buttons().Count(), c.buttons);
    EXPECT_EQ(app->ActiveCell().Address(), "$C$1");
    app->Quit();
  }
  EXPECT_TRUE(StepsBetween(BuildSteps(), 163, 179).empty());
}

TEST_F(GenerateWorkbookTest, ModuleInstanceStartsAndIsReleased) {
  EXPECT_THROW(RequireExcelApp(), spreadsheet::Error);
  StartExcel();
  EXPECT_NO_THROW(RequireExcelApp());
  RequireExcelApp().Quit();
  ReleaseExcel();
  EXPECT_EQ(ExcelApp(), nullptr);
}

}  // namespace
}  // namespace generator
