#include "spreadsheet/edit/areas.h"

#include <algorithm>

namespace spreadsheet::edit {

std::vector<CellRange> subtract(const CellRange& a, const CellRange& b) {
  if (!a.intersects(b)) return {a};
  std::vector<CellRange> parts;
  if (a.first.row < b.first.row)
    parts.push_back(CellRange::of(a.first.row, a.first.column, b.first.row - 1, a.last.column));
  if (a.last.row > b.last.row)
    parts.push_back(CellRange::of(b.last.row + 1, a.first.column, a.last.row, a.last.column));
  const int top = std::max(a.first.row, b.first.row);
  const int bottom = std::min(a.last.row, b.last.row);
  if (a.first.column < b.first.column)
    parts.push_back(CellRange::of(top, a.first.column, bottom, b.first.column - 1));
  if (a.last.column > b.last.column)
    parts.push_back(CellRange::of(top, b.last.column + 1, bottom, a.last.column));
  return parts;
}

CellRange boundingBox(const CellRange& a, const CellRange& b) {
  return CellRange::of(std::min(a.first.row, b.first.row), std::min(a.first.column, b.first.column),
                       std::max(a.last.row, b.last.row), std::max(a.last.column, b.last.column));
}

CellRange growToMerged(const Worksheet& sheet, CellRange area) {
  bool grew = true;
  while (grew) {
    grew = false;
    for (const CellRange& m : sheet.mergedAreas()) {
      if (m.intersects(area) && !area.contains(m)) {
        area = boundingBox(area, m);
        grew = true;
      }
    }
  }
  return area;
}

std::vector<CellRange> selectionFor(const Worksheet& sheet, std::vector<CellRange> areas) {
  if (areas.size() == 1 && areas[0].isSingleCell())
    if (auto m = sheet.mergedAreaAt(areas[0].first)) areas[0] = *m;
  return areas;
}

}  // namespace spreadsheet::edit
