#include "spreadsheet/model/worksheet.h"

#include <algorithm>

#include "spreadsheet/model/workbook.h"

namespace spreadsheet {

namespace {

// The style of a cell that has none of its own: its row's, its column's, the sheet's.
StyleId inheritedStyle(const Worksheet& sheet, CellAddress a) {
  const auto& rows = sheet.lines(Axis::Rows);
  auto r = rows.find(a.row);
  if (r != rows.end() && r->second.style) return *r->second.style;
  const auto& columns = sheet.lines(Axis::Columns);
  auto col = columns.find(a.column);
  if (col != columns.end() && col->second.style) return *col->second.style;
  return sheet.sheetStyle().value_or(0);
}

}  // namespace

Worksheet::Worksheet(Workbook& book, std::string name) : book_(&book), name_(std::move(name)) {}

const Cell* Worksheet::find(CellAddress a) const {
  return cells_.get(a);
}

Cell* Worksheet::find(CellAddress a) {
  return cells_.get(a);
}

Cell& Worksheet::cell(CellAddress a) {
  if (Cell* found = find(a)) return *found;
  const StyleId style = inheritedStyle(*this, a);
  Cell& c = cells_[a];
  c.style = style;
  return c;
}

void Worksheet::erase(CellAddress a) {
  cells_.erase(a);
}

StyleId Worksheet::styleAt(CellAddress a) const {
  if (const Cell* c = find(a)) return c->style;
  return inheritedStyle(*this, a);
}

const Style& Worksheet::effectiveStyle(CellAddress a) const {
  return book_->styles().get(styleAt(a));
}

double Worksheet::rowHeight(int row) const {
  auto it = rows_.find(row);
  return it != rows_.end() && it->second.size ? *it->second.size : defaultRowHeight_;
}

double Worksheet::columnWidth(int column) const {
  auto it = columns_.find(column);
  return it != columns_.end() && it->second.size ? *it->second.size : defaultColumnWidth_;
}

std::optional<CellRange> Worksheet::mergedAreaAt(CellAddress a) const {
  for (const CellRange& r : merged_)
    if (r.contains(a)) return r;
  return std::nullopt;
}

const Validation* Worksheet::validationAt(CellAddress a) const {
  for (const Validation& v : validations_)
    for (const CellRange& r : v.ranges)
      if (r.contains(a)) return &v;
  return nullptr;
}

std::optional<CellRange> Worksheet::usedRange() const {
  std::optional<CellRange> box;
  auto add = [&box](const CellRange& r) {
    if (!box) {
      box = r;
      return;
    }
    box->first.row = std::min(box->first.row, r.first.row);
    box->first.column = std::min(box->first.column, r.first.column);
    box->last.row = std::max(box->last.row, r.last.row);
    box->last.column = std::max(box->last.column, r.last.column);
  };
  // Per row only the first and the last cell that counts can widen the box.
  auto counts = [](const auto& entry) {
    return !entry.second.isBlank() || entry.second.style != 0;
  };
  for (const auto& line : cells_.rows()) {
    const auto first = std::find_if(line.cells.begin(), line.cells.end(), counts);
    if (first == line.cells.end()) continue;
    const auto last = std::find_if(line.cells.rbegin(), line.cells.rend(), counts);
    add(CellRange::of(line.index, first->first, line.index, last->first));
  }
  for (const CellRange& r : merged_) add(r);
  return box;
}

}  // namespace spreadsheet
