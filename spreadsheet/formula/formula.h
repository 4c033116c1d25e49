#pragma once
#include <string>
#include <string_view>

#include "spreadsheet/model/address.h"
#include "spreadsheet/model/formula_tree.h"
#include "spreadsheet/model/value.h"

namespace spreadsheet {
class Worksheet;
class Workbook;
}  // namespace spreadsheet

namespace spreadsheet::formula {

// How cell references are written in formula text.
enum class Notation { A1, R1C1 };

// Parses formula text starting with '=' into a tree. `at` is the cell the
// formula stands in: relative references are resolved against it so the tree
// stores the cells they point at. Throws spreadsheet::Error for malformed
// text or a reference that falls off the sheet.
FormulaNode parse(std::string_view text, Notation n, CellAddress at);

// The formula text (with its leading '=') as it reads in the cell `at`;
// relative references print as offsets from `at` in R1C1.
std::string print(const FormulaNode& root, Notation n, CellAddress at);

// The value of a formula standing in cell `at` of `sheet`. Referenced cells
// contribute their stored values (for formula cells, the last computed
// result); recalculate() keeps those current.
CellValue evaluate(const FormulaNode& root, const Worksheet& sheet, CellAddress at);

// Recomputes every formula cell of the workbook once, referenced formulas
// before the formulas that use them, and stores each result in Cell::value.
// Cells on a circular chain of references get #VALUE!.
void recalculate(Workbook& book);

}  // namespace spreadsheet::formula
