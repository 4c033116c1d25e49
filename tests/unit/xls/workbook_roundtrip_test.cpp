#include <gtest/gtest.h>

#include "spreadsheet/model/error.h"
#include "spreadsheet/xls/workbook_file.h"
#include "test_workbooks.h"

namespace spreadsheet::xls {
namespace {

using namespace testing;

TEST(WorkbookRoundTrip, WriteReadWriteGivesTheSameBytes) {
  auto book = fullWorkbook();
  std::vector<std::uint8_t> first = writeWorkbook(*book);
  EXPECT_EQ(writeWorkbook(*book), first) << "equal workbooks must give equal bytes";
  auto back = readWorkbook(first);
  std::vector<std::uint8_t> second = writeWorkbook(*back);
  ASSERT_EQ(second.size(), first.size());
  EXPECT_TRUE(second == first);
}

TEST(WorkbookRoundTrip, CellsValuesAndFormulasReadBack) {
  auto book = fullWorkbook();
  auto back = readWorkbook(writeWorkbook(*book));
  ASSERT_EQ(back->sheetCount(), 2u);
  const Worksheet& s = back->sheet(0);
  EXPECT_EQ(s.name(), "Time Sheet");
  const Worksheet& original = book->sheet(0);
  for (const auto& [at, c] : original.cells()) {
    const Cell* got = s.find(at);
    ASSERT_NE(got, nullptr) << toA1(at);
    EXPECT_EQ(got->value, c.value) << toA1(at);
    EXPECT_EQ(got->formula, c.formula) << toA1(at);
    EXPECT_EQ(back->styles().get(got->style), book->styles().get(c.style)) << toA1(at);
  }
  EXPECT_EQ(s.cells().size(), original.cells().size());
  EXPECT_EQ(back->sheet(1).find({1, 1})->value, CellValue("other"));
}

TEST(WorkbookRoundTrip, SheetLayoutReadsBack) {
  auto book = fullWorkbook();
  auto back = readWorkbook(writeWorkbook(*book));
  const Worksheet& s = back->sheet(0);
  EXPECT_DOUBLE_EQ(s.columnWidth(1), 7);
  EXPECT_DOUBLE_EQ(s.columnWidth(2), 0.92);
  EXPECT_DOUBLE_EQ(s.columnWidth(3), 9.29);
  EXPECT_DOUBLE_EQ(s.columnWidth(5), 8.43);
  EXPECT_EQ(s.lines(Axis::Columns).at(4).style, book->sheet(0).lines(Axis::Columns).at(4).style);
  EXPECT_DOUBLE_EQ(s.rowHeight(1), 30);
  EXPECT_TRUE(s.lines(Axis::Rows).at(2).hidden);
  EXPECT_DOUBLE_EQ(s.rowHeight(3), 12.75);
  EXPECT_EQ(s.mergedAreas(), book->sheet(0).mergedAreas());
  EXPECT_EQ(s.codeName(), "Sheet1");
  EXPECT_EQ(back->codeName(), "ThisWorkbook");
  EXPECT_EQ(back->palette(), book->palette());
  EXPECT_EQ(back->defaultFont(), book->defaultFont());
  EXPECT_EQ(back->macroProject(), book->macroProject());
}

TEST(WorkbookRoundTrip, NamesPageSetupValidationsAndButtonsReadBack) {
  auto book = fullWorkbook();
  auto back = readWorkbook(writeWorkbook(*book));
  EXPECT_EQ(back->names(), book->names());
  const Worksheet& s = back->sheet(0);
  EXPECT_EQ(s.pageSetup(), book->sheet(0).pageSetup());
  ASSERT_EQ(s.validations().size(), 2u);
  EXPECT_EQ(s.validations()[0], book->sheet(0).validations()[0]);
  // A whole column is stored as the file's whole column and reads back as one.
  EXPECT_EQ(s.validations()[1], book->sheet(0).validations()[1]);
  ASSERT_EQ(s.buttons().size(), 1u);
  const Button& b = s.buttons()[0];
  const Button& want = book->sheet(0).buttons()[0];
  EXPECT_EQ(b.text, want.text);
  EXPECT_EQ(b.runs, want.runs);
  EXPECT_EQ(b.onAction, "'CopyTimes 2'");
  EXPECT_EQ(b.name, "Button 1");
  EXPECT_EQ(b.id, 1);
  // The anchor keeps the position to within a pixel.
  EXPECT_NEAR(b.left, want.left, 0.75);
  EXPECT_NEAR(b.top, want.top, 0.75);
  EXPECT_NEAR(b.width, want.width, 0.75);
  EXPECT_NEAR(b.height, want.height, 0.75);
}

TEST(WorkbookLimits, RefusesCellsBeyondTheFileGridAndWritesNothing) {
  TempFolder dir;
  auto target = dir.path() / "out.xls";
  for (CellAddress beyond : {CellAddress{65537, 1}, CellAddress{1, 257}}) {
    Workbook book;
    book.addSheet("Sheet1").cell(beyond).value = 1;
    EXPECT_THROW(writeWorkbook(book), Error);
    EXPECT_THROW(saveWorkbook(book, target.string()), Error);
    EXPECT_FALSE(std::filesystem::exists(target));
  }
  Workbook edge;
  edge.addSheet("Sheet1").cell({65536, 256}).value = 1;
  auto back = readWorkbook(writeWorkbook(edge));
  EXPECT_EQ(back->sheet(0).find({65536, 256})->value, CellValue(1));
}

TEST(WorkbookLimits, RefusesMergesAndFormulasBeyondTheFileGrid) {
  Workbook merged;
  merged.addSheet("Sheet1").mergedAreas().push_back(CellRange::of(65536, 1, 65537, 1));
  EXPECT_THROW(writeWorkbook(merged), Error);
  Workbook formula;
  Cell& c = formula.addSheet("Sheet1").cell({1, 1});
  c.formula = cell(70000, 1);
  EXPECT_THROW(writeWorkbook(formula), Error);
  Workbook unknown;
  unknown.addSheet("Sheet1").cell({1, 1}).formula = call("NOSUCHFUNCTION", {});
  EXPECT_THROW(writeWorkbook(unknown), Error);
}

TEST(WorkbookLimits, ManyMergedAreasSplitIntoSeveralRecords) {
  Workbook book;
  Worksheet& s = book.addSheet("Sheet1");
  for (int r = 1; r <= 2100; ++r) s.mergedAreas().push_back(CellRange::of(r, 1, r, 2));
  auto back = readWorkbook(writeWorkbook(book));
  EXPECT_EQ(back->sheet(0).mergedAreas(), s.mergedAreas());
}

TEST(WorkbookRoundTrip, UndefinedNamesAndTextsOfEveryWidthSurvive) {
  Workbook book;
  Worksheet& s = book.addSheet("Sheet1");
  s.cell({1, 1}).formula = name("NotDefined");
  s.cell({1, 1}).value = ErrorCode::Name;
  s.cell({2, 1}).value = "Grüße – ünïcödé 日本";
  s.cell({3, 1}).value = std::string(20000, 'x');  // continues over several records
  std::string wide;
  for (int i = 0; i < 5000; ++i) wide += "日";
  s.cell({4, 1}).value = wide;
  auto back = readWorkbook(writeWorkbook(book));
  const Worksheet& r = back->sheet(0);
  EXPECT_EQ(r.find({1, 1})->formula, name("NotDefined"));
  EXPECT_EQ(r.find({1, 1})->value, CellValue(ErrorCode::Name));
  for (int row = 2; row <= 4; ++row)
    EXPECT_EQ(r.find({row, 1})->value, s.find({row, 1})->value) << row;
}

}  // namespace
}  // namespace spreadsheet::xls
