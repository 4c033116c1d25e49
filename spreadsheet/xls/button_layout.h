#pragma once
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/xls/drawing_records.h"

namespace spreadsheet::xls {

// A column's width in points as the sheet shows it (whole pixels at 96 dpi).
double columnPoints(const Worksheet& sheet, int column);

// The cell anchor of a rectangle given in points from the sheet's top-left corner.
ClientAnchor anchorOf(const Worksheet& sheet, double left, double top, double width, double height);

// The rectangle in points that an anchor covers.
struct ShapeBox {
  double left = 0, top = 0, width = 0, height = 0;
};
ShapeBox boxOf(const Worksheet& sheet, const ClientAnchor& anchor);

}  // namespace spreadsheet::xls
