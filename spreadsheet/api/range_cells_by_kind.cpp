#include <utility>

#include "spreadsheet/api/application_state.h"
#include "spreadsheet/api/range.h"
#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/worksheet.h"

namespace spreadsheet::api {

namespace {

int kindOf(const CellValue& value) {
  if (value.isNumber()) return xl::Numbers;
  if (value.isText()) return xl::TextValues;
  if (value.isBoolean()) return xl::Logical;
  if (value.isError()) return xl::Errors;
  return 0;
}

}  // namespace

Range Range::SpecialCells(int type, int values) const {
  if (type != xl::CellTypeConstants && type != xl::CellTypeFormulas)
    throw Error("Unable to get the SpecialCells property of the Range class");
  const bool formulas = type == xl::CellTypeFormulas;
  spreadsheet::Worksheet& s = sheet();
  if (formulas) ensureCalculated(*app_, s.workbook());
  // Only stored cells can qualify, so the walk visits those and no address
  // in between; each area's cells come row by row.
  std::vector<CellRange> found;
  for (const CellRange& area : areas_) {
    const CellStore& cells = std::as_const(s).cells();
    for (auto it = cells.lower_bound(area.first);
         it != cells.end() && it->first.row <= area.last.row; ++it) {
      const auto [at, cell] = *it;
      if (at.column < area.first.column || at.column > area.last.column) continue;
      if (static_cast<bool>(cell.formula) != formulas) continue;
      if ((kindOf(cell.value) & values) != 0) found.push_back(CellRange::of(at));
    }
  }
  if (found.empty()) throw Error("No cells were found.");
  return Range(app_, sheet_, std::move(found));
}

}  // namespace spreadsheet::api
