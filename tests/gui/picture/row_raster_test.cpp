// Rows written once with their fills must look as painting the rows and then
// each fill in turn with QPainter does.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "spreadsheet/picture/row_raster.h"

namespace picture_test {
namespace {

using spreadsheet::picture::RectFill;

TEST(RowRaster, MatchesRowsThenFillsPaintedInTurn) {
  const int width = 40, height = 30;
  std::vector<QRgb> plain(width, 0xFFFFFFFF), line(width, 0xFFD4D4D4);
  plain[9] = plain[19] = 0xFFD4D4D4;
  std::vector<bool> lineRows(height, false);
  lineRows[7] = lineRows[8] = lineRows[20] = lineRows[29] = true;
  // Overlapping fills: later ones win; some reach past the image's edges,
  // one is empty, two start on the same row.
  const std::vector<RectFill> fills = {
      {QRect(2, 3, 10, 10), 0xFF112233},   {QRect(5, 5, 30, 4), 0xFF445566},
      {QRect(-5, 25, 20, 20), 0xFF778899}, {QRect(30, -3, 20, 8), 0xFFAABBCC},
      {QRect(3, 3, 0, 5), 0xFF000000},     {QRect(8, 3, 2, 15), 0xFFDDEEFF},
      {QRect(0, 20, 40, 1), 0xFF123456},
  };

  QImage expected(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      expected.setPixel(x, y, (lineRows[static_cast<std::size_t>(y)] ? line : plain)[x]);
  {
    QPainter painter(&expected);
    for (const RectFill& f : fills) painter.fillRect(f.rect, QColor::fromRgb(f.color));
  }
  QImage got(width, height, QImage::Format_RGB32);
  got.fill(Qt::black);
  spreadsheet::picture::paintRows(got, lineRows, plain, line, fills);
  EXPECT_EQ(got, expected);

  // Without fills the rows alone.
  spreadsheet::picture::paintRows(got, lineRows, plain, line, {});
  EXPECT_EQ(got.pixel(9, 0), 0xFFD4D4D4u);
  EXPECT_EQ(got.pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(got.pixel(0, 7), 0xFFD4D4D4u);
}

}  // namespace
}  // namespace picture_test
