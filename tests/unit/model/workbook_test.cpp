#include "spreadsheet/model/workbook.h"

#include <gtest/gtest.h>

#include "spreadsheet/model/error.h"

namespace spreadsheet {
namespace {

TEST(StylePool, InternsEqualStylesOnce) {
  Workbook book;
  Style bold;
  bold.font.bold = true;
  StyleId a = book.styles().intern(bold);
  StyleId b = book.styles().intern(bold);
  EXPECT_EQ(a, b);
  EXPECT_NE(a, 0u);
  EXPECT_EQ(book.styles().intern(Style{}), 0u);
}

TEST(Worksheet, StyleFallsBackFromCellToRowColumnSheet) {
  Workbook book;
  Worksheet& s = book.addSheet("Sheet1");
  Style white;
  white.fillColorIndex = 2;
  Style grey;
  grey.fillColorIndex = 16;
  s.setSheetStyle(book.styles().intern(white));
  EXPECT_EQ(s.effectiveStyle({5, 5}).fillColorIndex, 2);
  s.line(Axis::Columns, 5).style = book.styles().intern(grey);
  EXPECT_EQ(s.effectiveStyle({5, 5}).fillColorIndex, 16);
  // A new cell takes the format that applies where it is created.
  EXPECT_EQ(book.styles().get(s.cell({7, 5}).style).fillColorIndex, 16);
}

TEST(Worksheet, UsedRangeCoversValuesFormatsAndMerges) {
  Workbook book;
  Worksheet& s = book.addSheet("Sheet1");
  EXPECT_FALSE(s.usedRange());
  s.cell({3, 2}).value = 1.0;
  s.mergedAreas().push_back(CellRange::of(9, 5, 9, 6));
  Style fill;
  fill.fillColorIndex = 55;
  s.cell({200, 55}).style = book.styles().intern(fill);
  EXPECT_EQ(s.usedRange(), CellRange::of(3, 2, 200, 55));
}

// Cells stored with nothing of their own (a cleared format) at either end
// of a row, or making up a whole row, do not widen the box.
TEST(Worksheet, UsedRangeLeavesOutCellsWithNothingOfTheirOwn) {
  Workbook book;
  Worksheet& s = book.addSheet("Sheet1");
  s.cells()[{2, 1}];
  s.cells()[{4, 3}].value = CellValue(std::string("x"));
  s.cells()[{4, 9}];
  s.cells()[{6, 30}];
  EXPECT_EQ(s.usedRange(), CellRange::of(4, 3, 4, 3));
  Style fill;
  fill.fillColorIndex = 6;
  s.cells()[{5, 2}].style = book.styles().intern(fill);  // a format of its own counts
  s.cells()[{5, 7}].value = 2.0;
  EXPECT_EQ(s.usedRange(), CellRange::of(4, 2, 5, 7));
}

// Equal styles share an id however they were arrived at.
TEST(StylePool, StylesEqualByValueShareAnId) {
  Workbook book;
  Style zero;
  zero.font.size = 0.0;
  Style negativeZero;
  negativeZero.font.size = -0.0;  // equal to 0.0
  EXPECT_EQ(book.styles().intern(zero), book.styles().intern(negativeZero));
  Style edited;
  edited.borders[kLeft] = Border{xl::Continuous, xl::Medium, 3};
  edited.numberFormat = "m/d/yyyy";
  const StyleId changed = book.styles().intern(edited);
  edited.borders[kLeft] = Border{};
  edited.numberFormat = "General";
  EXPECT_EQ(book.styles().intern(edited), 0u);
  EXPECT_NE(changed, 0u);
  Style medium;  // borders differing only in which edge carries the line
  medium.borders[kTop] = Border{xl::Continuous, xl::Medium, 3};
  EXPECT_NE(book.styles().intern(medium), changed);
}

TEST(Workbook, SheetNamesAreCheckedAndFoundWithoutCase) {
  Workbook book;
  book.addSheet("TimeSheet");
  EXPECT_NE(book.findSheet("timesheet"), nullptr);
  EXPECT_THROW(book.addSheet("TIMESHEET"), Error);
  EXPECT_THROW(book.addSheet("a/b"), Error);
  EXPECT_THROW(book.addSheet(""), Error);
  EXPECT_THROW(book.removeSheet(0), Error);  // the last sheet stays
}

TEST(Palette, DefaultIsTheApplicationsAndIndexesFromOne) {
  Workbook book;
  EXPECT_EQ(book.color(1), rgb(0, 0, 0));
  EXPECT_EQ(book.color(2), rgb(255, 255, 255));
  EXPECT_EQ(book.color(16), rgb(128, 128, 128));
  EXPECT_EQ(book.color(56), rgb(51, 51, 51));
}

}  // namespace
}  // namespace spreadsheet
