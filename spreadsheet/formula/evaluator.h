#pragma once
#include <functional>
#include <variant>
#include <vector>

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"

namespace spreadsheet::formula {

// Longer chains of names naming names give #VALUE!.
inline constexpr std::size_t kMaxNameDepth = 32;

// The defined name a Name node means in a formula on `sheet`: the one local
// to the qualifying sheet (or `sheet`) first, then the global one; nullptr
// when there is none. Sets `missingSheet` when the qualifier names no sheet.
const DefinedName* lookUpName(const FormulaNode& node, const Worksheet& sheet,
                              bool* missingSheet = nullptr);

// A reference as a value: the cells it covers on a sheet.
struct Area {
  const Worksheet* sheet = nullptr;
  CellRange range;
};

// What evaluating a node gives: a value, or a reference that stays a
// reference until the consumer decides (SUM walks it, + intersects it).
using Operand = std::variant<CellValue, Area>;

// The evaluation of one formula in its cell; functions use it to evaluate
// their arguments when and how they need them.
class Context {
 public:
  Context(const Worksheet& sheet, CellAddress at) : sheet_(sheet), at_(at) {}

  const Worksheet& sheet() const { return sheet_; }
  CellAddress at() const { return at_; }

  Operand operand(const FormulaNode& node);
  // The node as one value: an area meets the formula's row or column.
  CellValue value(const FormulaNode& node);
  CellValue scalar(const Operand& op) const;
  // Calls `visit` for each value an argument list gives, with fromReference
  // set for values read from cells. An area yields only its stored cells in
  // row order; an omitted argument yields an empty value. `visit` returns
  // false to stop.
  void forEachValue(const std::vector<FormulaNode>& args,
                    const std::function<bool(const CellValue&, bool fromReference)>& visit);

  static const CellValue& cellValue(const Worksheet& sheet, CellAddress a);

 private:
  Operand reference(const FormulaNode& node);
  Operand name(const FormulaNode& node);
  CellValue unary(const FormulaNode& node);
  CellValue binary(const FormulaNode& node);

  const Worksheet& sheet_;
  CellAddress at_;
  int depth_ = 0;
  // Names are evaluated once per formula; a name met again while it is
  // being evaluated is circular.
  std::vector<std::pair<const DefinedName*, Operand>> nameValues_;
  std::vector<const DefinedName*> expanding_;
};

// Calls `visit` for every stored cell of `range` in row order, skipping the
// empty parts of the sheet quickly; `visit` returns false to stop.
void forEachStoredCell(const Worksheet& sheet, const CellRange& range,
                       const std::function<bool(CellAddress, const Cell&)>& visit);

}  // namespace spreadsheet::formula
