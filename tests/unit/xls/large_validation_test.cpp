#include <gtest/gtest.h>

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/workbook_file.h"

namespace spreadsheet::xls {
namespace {

// The largest time sheet puts one list rule on over a thousand separate
// cells: more ranges than one DV record can hold.
TEST(LargeValidation, RuleOverManyCellsIsSplitAndReadsBack) {
  Workbook book;
  Worksheet& sheet = book.addSheet("TimeSheet");
  Validation rule;
  rule.type = xl::ValidateList;
  rule.errorTitle = "Information";
  rule.errorMessage = "You must select time from the list on the right.";
  FormulaNode one;
  one.kind = FormulaKind::Number;
  one.number = 1;
  rule.formula1 = one;
  for (int col = 5; col < 61; col += 2)
    for (int row = 11; row < 51; ++row) rule.ranges.push_back(CellRange::of(CellAddress{row, col}));
  sheet.validations().push_back(rule);

  std::vector<std::uint8_t> bytes = writeWorkbook(book);
  std::unique_ptr<Workbook> back = readWorkbook(bytes);
  std::size_t ranges = 0;
  for (const Validation& v : back->sheet(0).validations()) {
    EXPECT_EQ(v.errorMessage, rule.errorMessage);
    ranges += v.ranges.size();
  }
  EXPECT_EQ(ranges, rule.ranges.size());
  EXPECT_NE(back->sheet(0).validationAt({50, 59}), nullptr);
  EXPECT_EQ(writeWorkbook(*back), bytes);
}

}  // namespace
}  // namespace spreadsheet::xls
