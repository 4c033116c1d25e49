#include "spreadsheet/edit/cells.h"

#include <algorithm>
#include <vector>

#include "spreadsheet/edit/areas.h"

namespace spreadsheet::edit {

namespace {

// The stored cells inside an area, found without visiting empty positions.
std::vector<CellAddress> storedCellsIn(const Worksheet& sheet, const CellRange& area) {
  std::vector<CellAddress> found;
  const auto& cells = sheet.cells();
  for (auto it = cells.lower_bound(area.first); it != cells.end() && it->first.row <= area.last.row;
       ++it)
    if (area.contains(it->first)) found.push_back(it->first);
  return found;
}

void eraseContents(Worksheet& sheet, CellAddress a) {
  Cell* c = sheet.find(a);
  if (!c) return;
  c->value = CellValue();
  c->formula.reset();
}

}  // namespace

void mergeCells(Worksheet& sheet, const CellRange& area) {
  if (area.isSingleCell()) return;
  const CellRange merged = growToMerged(sheet, area);
  auto& list = sheet.mergedAreas();
  if (std::find(list.begin(), list.end(), merged) != list.end()) return;
  std::erase_if(list, [&](const CellRange& m) { return merged.contains(m); });
  for (CellAddress a : storedCellsIn(sheet, merged))
    if (a != merged.first) eraseContents(sheet, a);
  list.push_back(merged);
}

void unmergeCells(Worksheet& sheet, const CellRange& area) {
  std::erase_if(sheet.mergedAreas(), [&](const CellRange& m) { return m.intersects(area); });
}

void removeValidations(Worksheet& sheet, const CellRange& area) {
  auto& rules = sheet.validations();
  for (Validation& v : rules) {
    std::vector<CellRange> kept;
    for (const CellRange& r : v.ranges)
      for (const CellRange& part : subtract(r, area)) kept.push_back(part);
    v.ranges = std::move(kept);
  }
  std::erase_if(rules, [](const Validation& v) { return v.ranges.empty(); });
}

void clearCells(Worksheet& sheet, const CellRange& area, ClearWhat what) {
  if (what == ClearWhat::Contents) {
    for (CellAddress a : storedCellsIn(sheet, area)) eraseContents(sheet, a);
    return;
  }
  const bool wholeRows = area.isWholeRows();
  const bool wholeColumns = area.isWholeColumns();
  if (wholeRows && wholeColumns) sheet.setSheetStyle(std::nullopt);
  if (wholeRows)
    for (auto& [index, info] : sheet.lines(Axis::Rows))
      if (index >= area.first.row && index <= area.last.row) info.style.reset();
  if (wholeColumns)
    for (auto& [index, info] : sheet.lines(Axis::Columns))
      if (index >= area.first.column && index <= area.last.column) info.style.reset();
  for (CellAddress a : storedCellsIn(sheet, area)) sheet.erase(a);
  // A cleared cell shows the plain format even where its row, column or the
  // sheet has one of its own.
  if (!wholeRows && !wholeColumns && area.cellCount() <= 1'000'000) {
    for (int r = area.first.row; r <= area.last.row; ++r)
      for (int c = area.first.column; c <= area.last.column; ++c)
        if (sheet.styleAt({r, c}) != 0) sheet.cell({r, c}).style = 0;
  }
  unmergeCells(sheet, area);
  removeValidations(sheet, area);
}

}  // namespace spreadsheet::edit
