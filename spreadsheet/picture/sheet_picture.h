#pragma once
#include <QImage>

#include "spreadsheet/model/address.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/picture/picture_file.h"

namespace spreadsheet::picture {

// Pixels of a column or row as the picture draws it: the model's single rules
// (ColumnWidthPixels, PointsToPixels in spreadsheet/model/units.h); negative
// sizes give 0.
int columnPixels(double widthInCharacters);
int rowPixels(double heightInPoints);

// The range as the sheet shows it on screen: grid lines, fills, borders,
// merged areas, formatted text and the sheet's buttons on top. The image is
// the sum of the visible column widths by the sum of the visible row heights
// (hidden rows and columns take no pixels); a range with no visible pixels
// gives a null image. Throws spreadsheet::Error when the picture would be too
// large to hold in memory.
QImage renderRange(const Worksheet& sheet, const CellRange& range);

}  // namespace spreadsheet::picture
