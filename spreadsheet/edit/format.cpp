#include "spreadsheet/edit/format.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "spreadsheet/model/workbook.h"

namespace spreadsheet::edit {

namespace {

// Re-styles through the workbook's pool, remembering each answer so that a
// large area costs one edit per distinct style.
class Restyler {
 public:
  Restyler(StylePool& pool, const StyleEdit& edit) : pool_(pool), edit_(edit) {}
  StyleId operator()(StyleId id) {
    // An area mostly holds few distinct styles: a sorted list beats a hash
    // table that allocates for every entry.
    auto it = std::lower_bound(done_.begin(), done_.end(), id,
                               [](const auto& d, StyleId x) { return d.first < x; });
    if (it != done_.end() && it->first == id) return it->second;
    Style s = pool_.get(id);
    edit_(s);
    const StyleId result = pool_.intern(s);
    done_.insert(it, {id, result});
    return result;
  }

 private:
  StylePool& pool_;
  const StyleEdit& edit_;
  std::vector<std::pair<StyleId, StyleId>> done_;
};

void formatWholeSheet(Worksheet& sheet, Restyler& restyle) {
  sheet.setSheetStyle(restyle(sheet.sheetStyle().value_or(0)));
  for (Axis axis : {Axis::Rows, Axis::Columns})
    for (auto& [index, info] : sheet.lines(axis))
      if (info.style) info.style = restyle(*info.style);
  for (auto&& [address, cell] : sheet.cells()) cell.style = restyle(cell.style);
}

// Whole rows (axis Rows) or whole columns (axis Columns) first..last.
void formatWholeLines(Worksheet& sheet, Axis axis, int first, int last, Restyler& restyle) {
  const Axis other = axis == Axis::Rows ? Axis::Columns : Axis::Rows;
  // Store the crossings with formatted lines of the other axis first, while
  // the cell still shows what it shows now.
  std::vector<CellAddress> crossings;
  for (const auto& [index, info] : sheet.lines(other)) {
    if (!info.style) continue;
    for (int i = first; i <= last; ++i)
      crossings.push_back(axis == Axis::Rows ? CellAddress{i, index} : CellAddress{index, i});
  }
  for (CellAddress a : crossings) sheet.cell(a);
  const StyleId base = sheet.sheetStyle().value_or(0);
  for (int i = first; i <= last; ++i) {
    LineInfo& info = sheet.line(axis, i);
    info.style = restyle(info.style.value_or(base));
  }
  const bool rows = axis == Axis::Rows;
  for (auto& line : sheet.cells().rows(rows ? first : 1, rows ? last : kMaxRows))
    for (auto it = line.cells.lower_bound(rows ? 1 : first);
         it != line.cells.end() && (rows || it->first <= last); ++it)
      it->second.style = restyle(it->second.style);
}

void formatCells(Worksheet& sheet, const CellRange& area, Restyler& restyle) {
  for (int r = area.first.row; r <= area.last.row; ++r)
    for (int c = area.first.column; c <= area.last.column; ++c) {
      Cell& cell = sheet.cell({r, c});
      cell.style = restyle(cell.style);
    }
}

}  // namespace

void applyFormat(Worksheet& sheet, const CellRange& area, const StyleEdit& edit) {
  Restyler restyle(sheet.workbook().styles(), edit);
  if (area.isWholeRows() && area.isWholeColumns())
    formatWholeSheet(sheet, restyle);
  else if (area.isWholeRows())
    formatWholeLines(sheet, Axis::Rows, area.first.row, area.last.row, restyle);
  else if (area.isWholeColumns())
    formatWholeLines(sheet, Axis::Columns, area.first.column, area.last.column, restyle);
  else
    formatCells(sheet, area, restyle);
}

void setLineSize(Worksheet& sheet, Axis axis, const CellRange& area, double size) {
  const bool rows = axis == Axis::Rows;
  if (rows ? area.isWholeColumns() : area.isWholeRows()) {
    if (rows)
      sheet.setDefaultRowHeight(size);
    else
      sheet.setDefaultColumnWidth(size);
    for (auto& [i, info] : sheet.lines(axis)) info.size.reset();
    return;
  }
  const int first = rows ? area.first.row : area.first.column;
  const int last = rows ? area.last.row : area.last.column;
  for (int i = first; i <= last; ++i) sheet.line(axis, i).size = size;
}

}  // namespace spreadsheet::edit
