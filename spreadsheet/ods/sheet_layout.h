#pragma once
#include <optional>
#include <vector>

#include "spreadsheet/model/units.h"
#include "spreadsheet/model/worksheet.h"

namespace spreadsheet::ods {

// One run of equal cells in a table row: a stored cell stands alone; empty
// neighbours with the same style and validation share a run; covered cells
// stand alone too.
struct CellRun {
  int column = 1;
  int repeat = 1;
  StyleId style = 0;
  const Cell* cell = nullptr;  // nullptr: no value
  bool covered = false;        // inside a merged area, not its top-left cell
  int columnsSpanned = 1;      // a merged area's top-left cell
  int rowsSpanned = 1;
  // A merged area's top-left cell with the area's right and bottom edges:
  // a reader draws the whole area's borders from this one cell.
  std::optional<Style> areaStyle;
  int validation = -1;               // index into the sheet's validations
  std::vector<std::size_t> buttons;  // indexes of buttons anchored here
};

// One run of equal rows; rows with cells of their own stand alone.
struct RowRun {
  int row = 1;
  int repeat = 1;
  double height = 0;  // points
  bool hidden = false;
  std::optional<StyleId> style;
  std::vector<CellRun> cells;  // empty: the columns' default cells
};

struct ColumnRun {
  int column = 1;
  int repeat = 1;
  int pixels = 0;
  bool hidden = false;
  StyleId style = 0;
};

// The table as the document lays it out: columns and rows up to the last
// ones in use; for a sheet with a format of its own, to the sheet's end, so
// that every cell beyond the used ones shows that format as in the other
// formats (a reader gives unwritten cells its own default style).
struct SheetLayout {
  std::vector<ColumnRun> columns;
  std::vector<RowRun> rows;
  int columnCount = 1;  // the columns every row spans
};

SheetLayout layOut(const Worksheet& sheet);

// The cells a button's corners fall on, within the whole sheet the document
// can hold.
CellAnchor buttonAnchor(const Worksheet& sheet, const Button& button);

}  // namespace spreadsheet::ods
