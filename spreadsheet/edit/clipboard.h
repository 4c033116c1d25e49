#pragma once
#include <map>
#include <optional>
#include <vector>

#include "spreadsheet/edit/shift.h"
#include "spreadsheet/model/address.h"
#include "spreadsheet/model/style.h"
#include "spreadsheet/model/worksheet.h"

namespace spreadsheet::edit {

// Cells taken by Copy: what they hold and show at the moment of copying,
// kept apart from the sheet so later edits of the source do not change them.
struct CopiedCells {
  struct Item {
    CellAddress offset;  // from the top-left of the copied area, 0-based
    CellValue value;
    SharedFormula formula;  // references as at the source; shares the cell's tree
    std::size_t style = 0;  // index into styles
  };
  CellRange source;
  std::vector<Item> items;
  std::vector<Style> styles;            // the distinct formats of the items
  std::vector<CellRange> merges;        // at the source
  std::vector<Validation> validations;  // cut to the copied area, at the source
  std::map<int, LineInfo> lines;        // whole rows or columns: 0-based offset -> size and format
  std::map<int, Style> lineStyles;      // the format of those lines, by offset
};

CopiedCells copyCells(const Worksheet& sheet, const CellRange& area);

// Inserts the copied cells with their top-left at `at`, moving the cells
// there right or down (`shift`; whole-row and whole-column copies always
// insert whole lines). Relative references of the copies are re-based to
// the new position; whole rows bring their heights, whole columns their
// widths. Returns the area the copies now fill.
CellRange insertCopiedCells(Worksheet& sheet, CellAddress at, const CopiedCells& copied,
                            Shift shift);

}  // namespace spreadsheet::edit
