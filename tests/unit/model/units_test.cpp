// The sheet's size rules against hand tables: the pixels the application shows
// and the values its files store.
#include <gtest/gtest.h>

#include "spreadsheet/model/units.h"
#include "spreadsheet/model/workbook.h"

namespace spreadsheet {
namespace {

TEST(Units, ColumnWidthsAsShownAndStored) {
  // Every width the time sheet uses, and the default. Pixels: below one
  // character 12 a character, otherwise 7 a character plus 5, half up; the
  // stored value is px * 256 / 7, truncated.
  const struct {
    double characters;
    int pixels;
    int stored;
  } cases[] = {{0.58, 7, 256},    {0.92, 11, 402}, {7, 54, 1974},    {7.29, 56, 2048},
               {9.333, 70, 2560}, {36, 257, 9398}, {8.43, 64, 2340}, {1, 12, 438},
               {0.08, 1, 36},     {0, 0, 0},       {-2, 0, 0},       {255, 1790, 65462}};
  for (const auto& c : cases) {
    EXPECT_EQ(ColumnWidthPixels(c.characters), c.pixels) << c.characters;
    EXPECT_EQ(ColumnWidthStored(c.characters), c.stored) << c.characters;
    if (c.characters >= 0) {
      // Read back, the width shows the same pixels.
      EXPECT_EQ(ColumnWidthPixels(ColumnWidthFromStored(c.stored)), c.pixels) << c.characters;
    }
  }
  EXPECT_DOUBLE_EQ(ColumnWidthFromStored(2560), 9.29);
  EXPECT_DOUBLE_EQ(ColumnWidthFromStored(256), 0.59);
  for (int px = 0; px <= 1790; ++px) {  // every pixel width survives the file
    const int stored = px * 256 / 7;
    EXPECT_EQ(ColumnWidthPixels(ColumnWidthFromStored(stored)), px) << px;
  }
  // A default width given in whole digits: 8 is the application's 8.43.
  const std::pair<int, double> digits[] = {{8, 8.43}, {0, 0.43}, {10, 10.71}, {-1, 0.43}};
  for (auto [n, characters] : digits) EXPECT_DOUBLE_EQ(DefaultColumnWidthFromDigits(n), characters);
}

TEST(Units, PointsTwipsAndPixels) {
  const std::pair<double, int> points[] = {{36, 48},    {21.75, 29}, {8.25, 11}, {5.25, 7},
                                           {12.75, 17}, {15, 20},    {10, 13},   {22, 29},
                                           {409, 545},  {0, 0}};
  for (auto [pt, px] : points) EXPECT_EQ(PointsToPixels(pt), px) << pt;
  EXPECT_DOUBLE_EQ(PixelsToPoints(17), 12.75);
  // 15 twips a pixel, half up: the preview's frame of 2470 twips is 165 px.
  const std::pair<int, int> twips[] = {{2470, 165}, {8040, 536}, {255, 17}, {7, 0}, {8, 1}};
  for (auto [tw, px] : twips) EXPECT_EQ(TwipsToPixels(tw), px) << tw;
  // Files store heights and font sizes in twentieths of a point: the default
  // row 255, Arial 10 200, the tallest row 8180.
  const std::pair<double, int> stored[] = {
      {12.75, 255}, {10, 200}, {409, 8180}, {8.25, 165}, {0, 0}};
  for (auto [pt, tw] : stored) {
    EXPECT_EQ(PointsToTwips(pt), tw) << pt;
    EXPECT_DOUBLE_EQ(TwipsToPoints(tw), pt) << tw;
  }
}

TEST(Units, LimitsOfTheExcel97File) {
  EXPECT_EQ(kXlsLimits.rows, 65536);
  EXPECT_EQ(kXlsLimits.columns, 256);
  EXPECT_EQ(kXlsLimits.maxRowHeightPoints, 409);
  EXPECT_EQ(kXlsLimits.maxColumnWidthCharacters, 255);
}

TEST(Units, LinesAndAnchorsInPixels) {
  Workbook book;
  Worksheet& s = book.addSheet("Sheet1");
  s.line(Axis::Columns, 3).size = 0.58;  // 7 px
  s.line(Axis::Columns, 4).hidden = true;
  s.line(Axis::Rows, 2).size = 36;  // 48 px
  EXPECT_EQ(LinePixels(s, Axis::Columns, 3), 7);
  EXPECT_EQ(LinePixels(s, Axis::Columns, 4), 0);
  EXPECT_EQ(PixelsBefore(s, Axis::Columns, 6), 64 + 64 + 7 + 0 + 64);
  EXPECT_EQ(PixelsBefore(s, Axis::Rows, 4), 17 + 48 + 17);

  // A box from x 130 (2 px into C) to 200 (1 px into F), y 20 (3 px into row 2)
  // to 82 (the start of row 4).
  const PixelBox box{130, 20, 70, 62};
  const CellAnchor a = AnchorOf(s, box, kXlsLimits);
  EXPECT_EQ(a.column1, (LinePosition{3, 2}));
  EXPECT_EQ(a.column2, (LinePosition{6, 1}));
  EXPECT_EQ(a.row1, (LinePosition{2, 3}));
  EXPECT_EQ(a.row2, (LinePosition{4, 0}));
  EXPECT_EQ(BoxOf(s, a), box);
  // Beyond the last line the position stays in it.
  EXPECT_EQ(LineAt(s, Axis::Columns, 1'000'000, 256).line, 256);
  EXPECT_EQ(LineAt(s, Axis::Columns, -5, 256), (LinePosition{1, 0}));
}

}  // namespace
}  // namespace spreadsheet
