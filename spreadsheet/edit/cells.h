#pragma once
#include "spreadsheet/model/address.h"
#include "spreadsheet/model/worksheet.h"

namespace spreadsheet::edit {

// Merges an area: it becomes one merged area that also takes in every merged
// area it overlaps. Only the top-left value is kept. Merging a single cell or
// an area that is already merged changes nothing.
void mergeCells(Worksheet& sheet, const CellRange& area);

// Removes the merged areas that overlap `area`.
void unmergeCells(Worksheet& sheet, const CellRange& area);

// Removes the validations of the cells of `area` (rules covering other cells
// keep those).
void removeValidations(Worksheet& sheet, const CellRange& area);

enum class ClearWhat { Everything, Contents };

// Everything: values, formulas, formats, merged areas and validations;
// whole rows, columns or the sheet lose their own format too. Contents:
// values and formulas only.
void clearCells(Worksheet& sheet, const CellRange& area, ClearWhat what = ClearWhat::Everything);

}  // namespace spreadsheet::edit
