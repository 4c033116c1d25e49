#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "spreadsheet/model/address.h"
#include "spreadsheet/model/formula_tree.h"
#include "spreadsheet/model/worksheet.h"

namespace spreadsheet::formula {

// Cells inserted or deleted on one sheet, described along the axis in which
// the neighbouring cells move. For Axis::Rows cells move down (insert) or up
// (delete) and the band is a span of columns; for Axis::Columns they move
// right or left and the band is a span of rows. Whole rows or columns are a
// band over the whole sheet.
struct CellShift {
  Axis axis = Axis::Rows;
  int bandFirst = 1;  // first column (Rows) or row (Columns) whose cells move
  int bandLast = 1;
  int at = 1;     // first row (Rows) or column (Columns) inserted or deleted
  int count = 1;  // how many
  bool insert = true;

  int end() const { return at + count - 1; }  // last line deleted or inserted
};

// Where an area of cells ends up after the shift: unchanged when its span
// across the axis is not wholly inside the band; grown when cells are
// inserted strictly inside it; shrunk when part of it is deleted; nullopt when
// every cell of it is deleted.
std::optional<CellRange> shiftArea(const CellRange& area, const CellShift& shift);

// Adjusts every reference of a formula that points at the shifted sheet.
// `ownSheetShifted` says whether unqualified references (the formula's own
// sheet) point at it; qualified ones are compared with `sheetName`.
// References to deleted cells become RefError nodes. Returns whether
// anything changed.
bool shiftReferences(FormulaNode& root, const CellShift& shift, std::string_view sheetName,
                     bool ownSheetShifted);

// Re-bases a formula copied by (rows, columns): the relative parts of every
// reference move with it, the absolute parts stay. A reference pushed off
// the sheet becomes a RefError node.
void rebase(FormulaNode& root, int rows, int columns);

// Sheet qualifiers equal to `from` become `to`.
void renameSheet(FormulaNode& root, std::string_view from, std::string_view to);

// References qualified with `sheetName` become RefError nodes (the sheet is gone).
void invalidateSheet(FormulaNode& root, std::string_view sheetName);

}  // namespace spreadsheet::formula
