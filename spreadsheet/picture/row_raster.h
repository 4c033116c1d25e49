#pragma once
#include <QImage>
#include <QRect>
#include <vector>

namespace spreadsheet::picture {

// An opaque rectangle in the image's pixels.
struct RectFill {
  QRect rect;
  QRgb color;
};

// Writes every pixel row of `image` once: the row `line` where `lineRows[y]`
// is set and `plain` elsewhere, with the fills that cross the row drawn over
// it in their order. Rows between the same edges come out alike, so each such
// band is composed once and copied; the result is that of painting the rows
// and then each fill, without writing a filled pixel twice.
void paintRows(QImage& image, const std::vector<bool>& lineRows, const std::vector<QRgb>& plain,
               const std::vector<QRgb>& line, const std::vector<RectFill>& fills);

}  // namespace spreadsheet::picture
