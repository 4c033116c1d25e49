#include <algorithm>
#include <optional>

#include "spreadsheet/formula/criteria.h"
#include "spreadsheet/formula/functions.h"

namespace spreadsheet::formula {
namespace {

const Area* asArea(const Operand& op) {
  return std::get_if<Area>(&op);
}

}  // namespace

// SUMIF(range, criterion, [sum_range]): the sum range has the shape of the
// range, starting at its own top-left cell. Only the stored cells of the sum
// range are visited, so whole columns cost what they hold.
CellValue fnSumIf(Context& ctx, const std::vector<FormulaNode>& args) {
  if (args.size() < 2 || args.size() > 3) return ErrorCode::Value;
  Operand rangeOp = ctx.operand(args[0]);
  const Area* range = asArea(rangeOp);
  if (!range) return ErrorCode::Value;
  Criterion criterion(ctx.value(args[1]));
  Area sum = *range;
  Operand sumOp;
  if (args.size() == 3 && args[2].kind != FormulaKind::Missing) {
    sumOp = ctx.operand(args[2]);
    const Area* given = asArea(sumOp);
    if (!given) return ErrorCode::Value;
    sum.sheet = given->sheet;
    CellAddress start = given->range.first;
    sum.range = CellRange{start,
                          {std::min(kMaxRows, start.row + range->range.rowCount() - 1),
                           std::min(kMaxColumns, start.column + range->range.columnCount() - 1)}};
  }
  double total = 0;
  std::optional<ErrorCode> error;
  forEachStoredCell(*sum.sheet, sum.range, [&](CellAddress a, const Cell& cell) {
    if (!cell.value.isNumber() && !cell.value.isError()) return true;
    CellAddress tested{range->range.first.row + (a.row - sum.range.first.row),
                       range->range.first.column + (a.column - sum.range.first.column)};
    if (!criterion.matches(Context::cellValue(*range->sheet, tested))) return true;
    if (cell.value.isError()) {
      error = cell.value.error();
      return false;
    }
    total += cell.value.number();
    return true;
  });
  if (error) return *error;
  return total;
}

// COUNTIF(range, criterion): stored cells are tested one by one; the empty
// rest of the range counts at once when the criterion accepts empty cells.
CellValue fnCountIf(Context& ctx, const std::vector<FormulaNode>& args) {
  if (args.size() != 2) return ErrorCode::Value;
  Operand rangeOp = ctx.operand(args[0]);
  const Area* range = asArea(rangeOp);
  if (!range) return ErrorCode::Value;
  Criterion criterion(ctx.value(args[1]));
  long long count = 0, filled = 0;
  forEachStoredCell(*range->sheet, range->range, [&](CellAddress, const Cell& cell) {
    if (cell.value.isEmpty()) return true;
    ++filled;
    count += criterion.matches(cell.value);
    return true;
  });
  if (criterion.matches(CellValue())) count += range->range.cellCount() - filled;
  return static_cast<double>(count);
}

}  // namespace spreadsheet::formula
