#pragma once
#include <string>

#include "spreadsheet/model/address.h"
#include "spreadsheet/model/formula_tree.h"

namespace spreadsheet::ods {

// A formula in OpenFormula syntax with its namespace: "of:=SUM([.E11:.E15])".
// References are stored as the cells they point at, so relative ones print
// without '$' and need no position.
std::string formulaText(const FormulaNode& root);

// A cell or range address as table attributes take it, sheet-qualified and
// absolute: "$TimeSheet.$AC$201:.$AC$295"; `sheet` may need quotes.
std::string absoluteRangeAddress(const std::string& sheet, const CellRange& range);

// A range of the own sheet, as print ranges take it: "TimeSheet.A1:TimeSheet.U26".
std::string printRangeAddress(const std::string& sheet, const CellRange& range);

// The sheet name as an address part: 'My Sheet' quoted, TimeSheet as is.
std::string sheetPart(const std::string& sheet);

}  // namespace spreadsheet::ods
