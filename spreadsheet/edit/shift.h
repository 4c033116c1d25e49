#pragma once
#include "spreadsheet/formula/relocate.h"
#include "spreadsheet/model/address.h"
#include "spreadsheet/model/worksheet.h"

namespace spreadsheet::edit {

enum class Shift { Left, Right, Up, Down };

// The direction the application uses for an xl::Shift* constant on `area`
// when inserting (or deleting): whole rows always move down (up), whole
// columns right (left); 0 lets the shape decide, as the application does.
// Error for any other constant.
Shift shiftFor(int xlShift, const CellRange& area, bool insert);

// The cell movement that inserting or deleting `area` with `shift` makes.
formula::CellShift cellShiftFor(const CellRange& area, Shift shift, bool insert);

// Inserts empty cells at `area`, moving the cells at and beyond it right or
// down with their values, formulas, formats, merged areas and validations;
// every reference in the workbook follows. The new cells take the format of
// their neighbour on the left (Right) or above (Down) unless
// `takeNeighbourFormat` is false. Whole rows or columns move their heights,
// widths and formats too. Throws Error and changes nothing when a merged
// area would be split or cells that are not empty would leave the sheet.
void insertCells(Worksheet& sheet, const CellRange& area, Shift shift,
                 bool takeNeighbourFormat = true);

// Deletes the cells of `area`, moving the cells beyond it left or up;
// references to deleted cells become #REF!. Throws Error and changes
// nothing when a merged area would be split.
void deleteCells(Worksheet& sheet, const CellRange& area, Shift shift);

}  // namespace spreadsheet::edit
