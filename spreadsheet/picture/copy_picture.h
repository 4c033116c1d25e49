#pragma once
#include "spreadsheet/model/address.h"
#include "spreadsheet/model/worksheet.h"

// The road from the object model to the picture, free of Qt Gui types so that
// the layers above the picture need not know them.
namespace spreadsheet::picture {

// Draws `range` as renderRange does and puts the picture on the private
// clipboard (clipboard.h). Returns false, leaving the clipboard as it was,
// when the range shows no pixels; throws spreadsheet::Error as renderRange.
bool copyRangePicture(const Worksheet& sheet, const CellRange& range);

}  // namespace spreadsheet::picture
