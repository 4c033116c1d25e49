#pragma once
#include <functional>

#include "spreadsheet/model/address.h"
#include "spreadsheet/model/worksheet.h"

namespace spreadsheet::edit {

using StyleEdit = std::function<void(Style&)>;

// Applies `edit` to the format of every cell of `area`. Whole rows, whole
// columns and the whole sheet change their own format too, and so do the
// cells already stored there, as the application does; where a formatted
// row meets a formatted column the cell is stored so it keeps both.
void applyFormat(Worksheet& sheet, const CellRange& area, const StyleEdit& edit);

// Sets the height (Axis::Rows, points) or width (Axis::Columns, characters)
// of the rows or columns `area` spans. An area over every row (column) sets
// the sheet's default height (width) instead.
void setLineSize(Worksheet& sheet, Axis axis, const CellRange& area, double size);

}  // namespace spreadsheet::edit
