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
