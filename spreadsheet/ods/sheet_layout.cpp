#include "spreadsheet/ods/sheet_layout.h"

#include <algorithm>
#include <map>
#include <set>

#include "spreadsheet/model/units.h"

namespace spreadsheet::ods {

namespace {

constexpr FileLimits kSheetLimits{kMaxRows, kMaxColumns, kMaxRowHeightPoints,
                                  kMaxColumnWidthCharacters};

struct Extent {
  int rows = 1;
  int columns = 1;
  void include(CellAddress a) {
    rows = std::max(rows, a.row);
    columns = std::max(columns, a.column);
  }
};

// Cells that need their own attention: merges, validations and buttons.
struct Marks {
  std::map<CellAddress, CellRange> mergeStarts;
  std::set<CellAddress> covered;
  std::map<CellAddress, int> validation;
  std::map<CellAddress, std::vector<std::size_t>> buttons;
  std::set<int> rows;  // rows that must be written cell by cell
};

Marks markCells(const Worksheet& sheet, Extent& extent) {
  Marks m;
  for (const CellRange& area : sheet.mergedAreas()) {
    m.mergeStarts.emplace(area.first, area);
    for (int r = area.first.row; r <= area.last.row; ++r) {
      m.rows.insert(r);
      for (int c = area.first.column; c <= area.last.column; ++c)
        if (CellAddress{r, c} != area.first) m.covered.insert({r, c});
    }
    extent.include(area.last);
  }
  const auto& rules = sheet.validations();
  for (std::size_t i = 0; i < rules.size(); ++i)
    for (const CellRange& area : rules[i].ranges) {
      // A rule over whole columns or rows reaches the sheet's end: keep to the cells in use.
      const int lastRow = std::min(area.last.row, std::max(extent.rows, area.first.row));
      const int lastColumn =
          std::min(area.last.column, std::max(extent.columns, area.first.column));
      for (int r = area.first.row; r <= lastRow; ++r) {
        m.rows.insert(r);
        for (int c = area.first.column; c <= lastColumn; ++c)
          m.validation.emplace(CellAddress{r, c}, static_cast<int>(i));
      }
      extent.include({lastRow, lastColumn});
    }
  const auto& buttons = sheet.buttons();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const CellAnchor anchor = buttonAnchor(sheet, buttons[i]);
    const CellAddress at{anchor.row1.line, anchor.column1.line};
    m.buttons[at].push_back(i);
    m.rows.insert(at.row);
    extent.include(at);
    extent.include({anchor.row2.line, anchor.column2.line});
  }
  for (const auto& [at, cell] : sheet.cells()) m.rows.insert(at.row);
  return m;
}

Extent extentOf(const Worksheet& sheet) {
  Extent e;
  for (const auto& [at, cell] : sheet.cells()) e.include(at);
  for (const auto& [row, info] : sheet.lines(Axis::Rows)) e.rows = std::max(e.rows, row);
  for (const auto& [column, info] : sheet.lines(Axis::Columns))
    e.columns = std::max(e.columns, column);
  if (const auto& area = sheet.pageSetup().printArea) e.include(area->last);
  // Whole-line formats reach the sheet's end; only their start counts.
  e.rows = std::min(e.rows, kMaxRows);
  e.columns = std::min(e.columns, kMaxColumns);
  return e;
}

// The format of the cells beyond the ones in use, when one reaches the
// sheet's end: the sheet's own, or, for a sheet read from an .xls (which ends
// at column IV), the one its columns carry to that file's last column.
std::optional<StyleId> formatToTheEnd(const Worksheet& sheet) {
  if (sheet.sheetStyle()) return sheet.sheetStyle();
  const auto& columns = sheet.lines(Axis::Columns);
  const auto last = columns.find(kXlsLimits.columns);
  if (last == columns.end() || columns.rbegin()->first != last->first) return std::nullopt;
  return last->second.style;
}

// Covered cells stand one by one: some readers (SheetJS) skip a covered
// cell's repeat count and would put every later cell of the row too far left.
bool sameEmptyCell(const CellRun& a, const CellRun& b) {
  return !a.cell && !b.cell && a.style == b.style && !a.areaStyle && !b.areaStyle && !a.covered &&
         !b.covered && a.validation == b.validation && a.buttons.empty() && b.buttons.empty() &&
         a.columnsSpanned == 1 && b.columnsSpanned == 1 && a.rowsSpanned == 1 && b.rowsSpanned == 1;
}

// The cells of one row: each used column in turn, then one run in `beyond`
// (or the row's own format) to `lastColumn`.
std::vector<CellRun> cellsOf(const Worksheet& sheet, const Marks& marks, int row, int columns,
                             int lastColumn, StyleId beyond) {
  std::vector<CellRun> runs;
  for (int c = 1; c <= columns; ++c) {
    const CellAddress at{row, c};
    CellRun run;
    run.column = c;
    run.style = sheet.styleAt(at);
    if (const Cell* cell = sheet.find(at); cell && !cell->isBlank()) run.cell = cell;
    run.covered = marks.covered.count(at) > 0;
    if (auto it = marks.mergeStarts.find(at); it != marks.mergeStarts.end()) {
      const CellRange& area = it->second;
      run.columnsSpanned = area.columnCount();
      run.rowsSpanned = area.rowCount();
      Style outline = sheet.effectiveStyle(at);
      outline.borders[kRight] =
          sheet.effectiveStyle({area.first.row, area.last.column}).borders[kRight];
      outline.borders[kBottom] =
          sheet.effectiveStyle({area.last.row, area.first.column}).borders[kBottom];
      if (!(outline == sheet.effectiveStyle(at))) run.areaStyle = outline;
    }
    if (auto it = marks.validation.find(at); it != marks.validation.end())
      run.validation = it->second;
    if (auto it = marks.buttons.find(at); it != marks.buttons.end()) run.buttons = it->second;
    if (!runs.empty() && sameEmptyCell(runs.back(), run))
      ++runs.back().repeat;
    else
      runs.push_back(std::move(run));
  }
  if (lastColumn > columns) {
    CellRun tail;
    tail.column = columns + 1;
    tail.repeat = lastColumn - columns;
    const auto line = sheet.lines(Axis::Rows).find(row);
    tail.style =
        line != sheet.lines(Axis::Rows).end() && line->second.style ? *line->second.style : beyond;
    if (!runs.empty() && sameEmptyCell(runs.back(), tail))
      runs.back().repeat += tail.repeat;
    else
      runs.push_back(std::move(tail));
  }
  return runs;
}

}  // namespace

CellAnchor buttonAnchor(const Worksheet& sheet, const Button& button) {
  return AnchorOf(sheet, ButtonPixels(button), kSheetLimits);
}

SheetLayout layOut(const Worksheet& sheet) {
  Extent extent = extentOf(sheet);
  const Marks marks = markCells(sheet, extent);
  SheetLayout layout;
  const std::optional<StyleId> beyond = formatToTheEnd(sheet);
  layout.columnCount = beyond ? kMaxColumns : extent.columns;
  for (int c = 1; c <= layout.columnCount; ++c) {
    const auto it = sheet.lines(Axis::Columns).find(c);
    ColumnRun run;
    run.column = c;
    run.pixels = ColumnWidthPixels(sheet.columnWidth(c));
    run.hidden = it != sheet.lines(Axis::Columns).end() && it->second.hidden;
    run.style = c <= extent.columns ? sheet.styleAt({kMaxRows, c}) : *beyond;
    ColumnRun& last = layout.columns.empty() ? run : layout.columns.back();
    if (!layout.columns.empty() && last.pixels == run.pixels && last.hidden == run.hidden &&
        last.style == run.style)
      ++last.repeat;
    else
      layout.columns.push_back(run);
  }
  for (int r = 1; r <= extent.rows; ++r) {
    const auto it = sheet.lines(Axis::Rows).find(r);
    RowRun run;
    run.row = r;
    run.height = sheet.rowHeight(r);
    run.hidden = it != sheet.lines(Axis::Rows).end() && it->second.hidden;
    if (it != sheet.lines(Axis::Rows).end()) run.style = it->second.style;
    if (marks.rows.count(r) || run.style)
      run.cells = cellsOf(sheet, marks, r, extent.columns, layout.columnCount, beyond.value_or(0));
    RowRun* last = layout.rows.empty() ? nullptr : &layout.rows.back();
    if (last && last->cells.empty() && run.cells.empty() && last->height == run.height &&
        last->hidden == run.hidden && !last->style && !run.style)
      ++last->repeat;
    else
      layout.rows.push_back(std::move(run));
  }
  if (beyond && extent.rows < kMaxRows) {
    RowRun rest;
    rest.row = extent.rows + 1;
    rest.repeat = kMaxRows - extent.rows;
    rest.height = sheet.defaultRowHeight();
    layout.rows.push_back(std::move(rest));
  }
  return layout;
}

}  // namespace spreadsheet::ods
