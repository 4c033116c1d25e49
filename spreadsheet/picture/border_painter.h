#pragma once
#include <QImage>
#include <QRect>
#include <vector>

#include "spreadsheet/model/style.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/picture/canvas.h"

namespace spreadsheet::picture {

// One edge of a cell as a line of pixels: `at` is the pixel row (horizontal)
// or column (vertical) of the grid line it sits on; `from`..`to` inclusive run
// along it.
struct BorderLine {
  bool horizontal = true;
  int at = 0;
  int from = 0;
  int to = 0;
  Border border;
  int order = 0;   // drawing order, set by drawBorderLines
  QRgb color = 0;  // from the palette, set by drawBorderLines
};

// Adds the four edges of a cell whose rectangle is `cell` (grid line on its
// right and bottom pixels); `skip[slot]` leaves out edges inside a merged area.
void addCellEdges(const Style& style, const QRect& cell, const bool skip[6],
                  std::vector<BorderLine>& out);

// Draws the lines, lighter ones first so heavier ones win where they meet;
// of two lines of one weight on the same pixels, the darker colour shows.
// Continuous thin lines take one pixel; medium two; thick three; double is two
// one-pixel lines with a gap on the grid line.
void drawBorderLines(Canvas& canvas, std::vector<BorderLine>& lines, const Workbook& book);

// The diagonals of a cell, corner to corner.
void drawDiagonals(Canvas& canvas, const Style& style, const QRect& cell, const Workbook& book);

}  // namespace spreadsheet::picture
