#pragma once
#include "spreadsheet/model/sheet_parts.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/xls/drawing_records.h"

namespace spreadsheet::xls {

// The drawing anchor of a button at the pixels the picture draws it: the
// model's cell anchor, its offsets stored in 1/1024 of the column's width and
// 1/256 of the row's height.
ClientAnchor anchorOf(const Worksheet& sheet, const Button& button);

// The rectangle in points that an anchor covers.
struct ShapeBox {
  double left = 0, top = 0, width = 0, height = 0;
};
ShapeBox boxOf(const Worksheet& sheet, const ClientAnchor& anchor);

}  // namespace spreadsheet::xls
