// What other readers take from the document: numbers as dates and times
// under their formats, and the format of the cells beyond the ones in use.
#include <gtest/gtest.h>

#include <algorithm>

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/ods/sheet_layout.h"
#include "spreadsheet/ods/value_attributes.h"

namespace spreadsheet::ods {
namespace {

TEST(OdsStoredNumberTest, DatesAndTimesUnderTheirFormats) {
  const struct {
    double value;
    const char* format;
    const char* type;
    const char* text;
  } cases[] = {
      // 5/29/2005 is serial 38501; 1 March 1900 is 61 in every date system.
      {38501, "m/d/yyyy", "date", "2005-05-29"},
      {61, "m/d/yyyy", "date", "1900-03-01"},
      {38501.75, "m/d/yyyy h:mm", "date", "2005-05-29T18:00:00"},
      {0.25, "h:mm AM/PM", "time", "PT06H00M00S"},
      {375.0 / 1440, "[$-409]h:mm AM/PM;@", "time", "PT06H15M00S"},
      {1 + 330.0 / 1440, "h:mm AM/PM", "time", "PT29H30M00S"},  // 5:30 AM, the next day
      {300.0 / 86400, "h:mm", "time", "PT00H05M00S"},
      // Kept exact as floats: no date format, a negative time, a fraction of a second.
      {0.1, "0.00", "float", "0.1"},
      {38501, "General", "float", "38501"},
      {-0.25, "h:mm", "float", "-0.25"},
      {0.5 + 1e-9, "h:mm", "float", "0.500000001"},
  };
  for (const auto& c : cases) {
    const StoredNumber stored = storedNumber(c.value, c.format);
    EXPECT_EQ(stored.type, c.type) << c.value << " " << c.format;
    EXPECT_EQ(stored.value, c.text) << c.value << " " << c.format;
  }
}

TEST(OdsSheetLayoutTest, AFormatOfTheWholeSheetReachesItsEnd) {
  Workbook book;
  Style white;
  white.fillColorIndex = 2;
  const StyleId style = book.styles().intern(white);
  // The sheet's own format; the columns an .xls holds (A to IV) all formatted;
  // only some columns formatted; nothing formatted.
  Worksheet& own = book.addSheet("Own");
  own.setSheetStyle(style);
  Worksheet& fromXls = book.addSheet("FromXls");
  for (int c = 1; c <= 256; ++c) fromXls.line(Axis::Columns, c).style = style;
  Worksheet& some = book.addSheet("Some");
  for (int c = 1; c <= 30; ++c) some.line(Axis::Columns, c).style = style;
  Worksheet& plain = book.addSheet("Plain");
  for (Worksheet* sheet : {&own, &fromXls, &some, &plain})
    sheet->cell({25, 3}).value = CellValue(1.0);

  const struct {
    const Worksheet* sheet;
    int columns;
    int lastRow;
  } cases[] = {
      {&own, 16384, 1048576}, {&fromXls, 16384, 1048576}, {&some, 30, 25}, {&plain, 3, 25}};
  for (const auto& c : cases) {
    const SheetLayout layout = layOut(*c.sheet);
    int columns = 0;
    for (const ColumnRun& run : layout.columns) columns += run.repeat;
    EXPECT_EQ(layout.columnCount, c.columns) << c.sheet->name();
    EXPECT_EQ(columns, c.columns) << c.sheet->name();
    const RowRun& last = layout.rows.back();
    EXPECT_EQ(last.row + last.repeat - 1, c.lastRow) << c.sheet->name();
    // The row in use spans every column, to the end in the sheet's format.
    const auto used = std::find_if(layout.rows.begin(), layout.rows.end(),
                                   [](const RowRun& r) { return r.row == 25; });
    ASSERT_NE(used, layout.rows.end()) << c.sheet->name();
    const std::vector<CellRun>& cells = used->cells;
    ASSERT_FALSE(cells.empty()) << c.sheet->name();
    EXPECT_EQ(cells.back().column + cells.back().repeat - 1, c.columns) << c.sheet->name();
    if (c.columns == 16384) {
      EXPECT_EQ(cells.back().style, style) << c.sheet->name();
    }
  }
}

}  // namespace
}  // namespace spreadsheet::ods
