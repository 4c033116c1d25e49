#include "spreadsheet/ods/formula_text.h"

#include <gtest/gtest.h>

#include "spreadsheet/formula/formula.h"

namespace spreadsheet::ods {
namespace {

// Excel A1 text in a cell -> the OpenFormula text a reader expects, by hand.
TEST(OdsFormulaTextTest, ExcelFormulasPrintAsOpenFormula) {
  const struct {
    const char* excel;
    CellAddress at;
    const char* openFormula;
  } cases[] = {
      {"=SUM(E11:E15)", {16, 5}, "of:=SUM([.E11:.E15])"},
      {"=IF(AND($A$1>0,B$2<>\"x\"),1,0)", {3, 3}, "of:=IF(AND([.$A$1]>0;[.B$2]<>\"x\");1;0)"},
      {"=TimeSheet!$AC$201", {1, 1}, "of:=[$TimeSheet.$AC$201]"},
      {"='My Sheet'!A1:B2", {1, 1}, "of:=[$'My Sheet'.A1:.B2]"},
      {"=\"a\"\"b\"&Time0", {1, 1}, "of:=\"a\"\"b\"&Time0"},
      {"=TRUE", {1, 1}, "of:=TRUE()"},
      {"=#N/A", {1, 1}, "of:=NA()"},
      {"=-(F12+F15)*24%", {1, 1}, "of:=-([.F12]+[.F15])*24%"},
      {"=SUMIF(E11:R11,\">0\",E12:R12)", {1, 1}, "of:=SUMIF([.E11:.R11];\">0\";[.E12:.R12])"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(formulaText(formula::parse(c.excel, formula::Notation::A1, c.at)), c.openFormula)
        << c.excel;
}

TEST(OdsFormulaTextTest, AddressesAreQuotedOnlyWhenTheSheetNameNeedsIt) {
  EXPECT_EQ(absoluteRangeAddress("TimeSheet", CellRange::of(201, 29, 295, 29)),
            "$TimeSheet.$AC$201:.$AC$295");
  EXPECT_EQ(absoluteRangeAddress("Week 1", CellRange::of({1, 1})), "$'Week 1'.$A$1");
  EXPECT_EQ(absoluteRangeAddress("Bob's", CellRange::of({2, 2})), "$'Bob''s'.$B$2");
  EXPECT_EQ(absoluteRangeAddress("1st", CellRange::of({2, 2})), "$'1st'.$B$2");
  EXPECT_EQ(printRangeAddress("TimeSheet", CellRange::of(1, 1, 26, 21)),
            "TimeSheet.A1:TimeSheet.U26");
}

}  // namespace
}  // namespace spreadsheet::ods
