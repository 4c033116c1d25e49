#include "spreadsheet/model/error.h"
#include "tests/gui/picture/picture_fixture.h"

namespace picture_test {
namespace {

TEST(PictureGeometry, ColumnWidthsBecomePixelsAsTheApplicationShowsThem) {
  // Below one character the width steps by 1/12, above by 1/7 plus padding;
  // two-decimal widths like 0.58 or 1.14 must land on the pixel they stand for.
  const struct {
    double width;
    int pixels;
  } cases[] = {{0.08, 1},  {0.58, 7},  {0.67, 8},  {0.92, 11},  {1, 12}, {1.14, 13}, {7, 54},
               {7.29, 56}, {8.43, 64}, {9.29, 70}, {9.333, 70}, {0, 0},  {-3, 0}};
  for (const auto& c : cases) EXPECT_EQ(picture::columnPixels(c.width), c.pixels) << c.width;
}

TEST(PictureGeometry, RowHeightsBecomePixelsAt96Dpi) {
  const struct {
    double points;
    int pixels;
  } cases[] = {{36, 48},    {21.75, 29}, {8.25, 11}, {5.25, 7},
               {12.75, 17}, {15, 20},    {0, 0},     {-1, 0}};
  for (const auto& c : cases) EXPECT_EQ(picture::rowPixels(c.points), c.pixels) << c.points;
}

class PictureSize : public SheetFixture {};

TEST_F(PictureSize, IsTheSumOfVisibleColumnWidthsAndRowHeights) {
  const double widths[] = {0.92, 0.67, 0.58, 7.29, 7, 9.333};
  const double heights[] = {36, 21.75, 8.25, 5.25, 12.75};
  for (int i = 0; i < 6; ++i) columnWidth(i + 2, widths[i]);
  for (int i = 0; i < 5; ++i) rowHeight(i + 3, heights[i]);
  // Hidden lines inside the range take no pixels.
  sheet.line(Axis::Columns, 4).hidden = true;  // the 0.58 column
  sheet.line(Axis::Rows, 4).hidden = true;     // the 21.75 row
  put("C4", "hidden text");

  const QImage image = render("B3:G7");
  EXPECT_EQ(image.width(), 11 + 8 + 56 + 54 + 70);
  EXPECT_EQ(image.height(), 48 + 11 + 7 + 17);
  EXPECT_EQ(image.format(), QImage::Format_RGB32);

  // Default sizes elsewhere: 64 × 17 per cell.
  const QImage plain = render("J10:K12");
  EXPECT_EQ(plain.size(), QSize(128, 51));
}

TEST_F(PictureSize, RangeWithoutVisiblePixelsGivesNullImage) {
  sheet.line(Axis::Columns, 2).hidden = true;
  EXPECT_TRUE(render("B1:B5").isNull());
  columnWidth(3, 0);
  EXPECT_TRUE(render("C1:C5").isNull());
}

TEST_F(PictureSize, RefusesInvalidAndHugeRanges) {
  EXPECT_THROW(picture::renderRange(sheet, CellRange{{0, 1}, {2, 2}}), Error);
  EXPECT_THROW(picture::renderRange(sheet, CellRange{{3, 3}, {2, 2}}), Error);
  EXPECT_THROW(picture::renderRange(sheet, CellRange{{1, 1}, {kMaxRows + 1, 1}}), Error);
  // A whole column is far too tall for one picture: an error, not a crash.
  EXPECT_THROW(render("A:A"), Error);
}

}  // namespace
}  // namespace picture_test
