#include "spreadsheet/formats/save_workbook.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "spreadsheet/model/error.h"

namespace spreadsheet::formats {
namespace {

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A folder of the test's own, removed with everything in it.
struct TemporaryFolder {
  TemporaryFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "save-workbook-XXXXXX").string();
    if (::mkdtemp(name.data())) path = name;
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
  }
  std::string path;
};

class SaveWorkbookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.path.empty());
    book.addSheet("TimeSheet").cell({1, 1}).value = CellValue("Week");
  }
  std::string path(const char* name) const { return folder.path + "/" + name; }
  void writeText(const std::string& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
  }

  TemporaryFolder folder;
  Workbook book;
};

TEST_F(SaveWorkbookTest, EachFormatIsWrittenAsItsOwnKindOfFile) {
  SaveWorkbook(book, path("a.xls"), WorkbookFormat::Xls);
  SaveWorkbook(book, path("a.xlsx"), WorkbookFormat::Xlsx);
  SaveWorkbook(book, path("a.ods"), WorkbookFormat::Ods);
  EXPECT_EQ(readText(path("a.xls")).substr(0, 4), "\xD0\xCF\x11\xE0");  // compound file
  EXPECT_EQ(readText(path("a.xlsx")).substr(0, 2), "PK");
  EXPECT_NE(readText(path("a.xlsx")).find("xl/workbook.xml"), std::string::npos);
  EXPECT_EQ(readText(path("a.ods")).substr(30, 8), "mimetype");
  // The .xls read back and written as .ods is the .ods of the same workbook.
  ConvertWorkbookFile(path("a.xls"), path("b.ods"), WorkbookFormat::Ods);
  EXPECT_EQ(readText(path("b.ods")), readText(path("a.ods")));
}

TEST_F(SaveWorkbookTest, AFailedSaveLeavesTheOldFileAndNoOtherFile) {
  const std::string target = path("week.xlsm");
  writeText(target, "the user's old sheet");
  // No macro project: a macro-enabled workbook is refused before the disk is touched.
  EXPECT_THROW(SaveWorkbook(book, target, WorkbookFormat::Xlsm), Error);
  EXPECT_EQ(readText(target), "the user's old sheet");
  EXPECT_THROW(SaveWorkbook(book, path("missing/week.ods"), WorkbookFormat::Ods), Error);
  EXPECT_THROW(ConvertWorkbookFile(target, path("week.ods"), WorkbookFormat::Ods),
               Error);  // not a workbook
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path),
                          std::filesystem::directory_iterator{}),
            1);
}

}  // namespace
}  // namespace spreadsheet::formats
