#include <filesystem>

#include <gtest/gtest.h>
#include <QGuiApplication>

#include "spreadsheet/api/api.h"
#include "spreadsheet/picture/clipboard.h"

namespace spreadsheet::api {
namespace {

class TempFolder {
 public:
  TempFolder() {
    path_ = std::filesystem::temp_directory_path() /
            ("api_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  std::string file(const char* name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

TEST(WorkbookFile, SavedResultsAreCurrentAndReopen) {
  TempFolder temp;
  auto app = Application::create();
  Workbook book = app->Workbooks().Add();
  app->ActiveSheet().setName("TimeSheet");
  app->Range("R4").setFormulaR1C1("5/29/2005");
  app->Range("R5").setFormulaR1C1("=IF(R4C18=0,\"\",R4C18+6)");
  app->Range("E9:F9").Merge();
  book.Names().Add("Time0", "=TimeSheet!R201C29:R295C29");
  const std::string path = temp.file("book.xls");
  book.SaveAs(path, xl::Excel8);  // never read R5 before: saving must recalculate
  EXPECT_EQ(book.FullName(), path);
  EXPECT_EQ(book.Name(), "book.xls");
  app->setDisplayAlerts(false);
  book.Close();
  app->Quit();

  auto second = Application::create();
  Workbook reopened = second->Workbooks().Open(path);
  EXPECT_EQ(second->Workbooks().Count(), 1);
  EXPECT_EQ(second->ActiveSheet().Name(), "TimeSheet");
  EXPECT_EQ(reopened.model().sheet(0).find({5, 18})->value, CellValue(38507));
  EXPECT_EQ(second->Range("R5").FormulaR1C1(), "=IF(R4C18=0,\"\",R4C18+6)");
  EXPECT_TRUE(second->Range("F9").MergeCells());
  EXPECT_EQ(reopened.Names().RefersToR1C1("Time0"), "=TimeSheet!R201C29:R295C29");
  EXPECT_THROW(second->Workbooks().Open(temp.file("missing.xls")), Error);
  EXPECT_EQ(second->Workbooks().Count(), 1);
  second->Quit();
}

// Drawing needs a GUI application object; offscreen is enough.
void ensureGuiApplication() {
  if (QGuiApplication::instance()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "unit_api";
  static char* argv[] = {name, nullptr};
  static QGuiApplication gui(argc, argv);
}

TEST(WorkbookFile, UsedRangePictureGoesToThePrivateClipboard) {
  ensureGuiApplication();
  auto app = Application::create();
  app->Workbooks().Add();
  app->Range("B2").setValue("Weekly Time Sheet");
  app->Range("C3").Interior().setColorIndex(52);
  picture::clearClipboard();
  Range used = app->ActiveSheet().UsedRange();
  EXPECT_EQ(used.Address(), "$B$2:$C$3");
  EXPECT_EQ(used.Rows().Item(used.Rows().Count()).Row(), 3);
  EXPECT_EQ(used.Columns().Item(used.Columns().Count()).Column(), 3);
  used.CopyPicture();
  auto image = picture::clipboardPicture();
  ASSERT_TRUE(image.has_value());
  EXPECT_GT(image->width(), 0);
  EXPECT_THROW(app->Range("A1,C3").CopyPicture(), Error);
  app->Quit();
}

}  // namespace
}  // namespace spreadsheet::api
