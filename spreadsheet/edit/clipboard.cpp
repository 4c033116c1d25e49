#include "spreadsheet/edit/clipboard.h"

#include <algorithm>
#include <utility>

#include "spreadsheet/edit/areas.h"
#include "spreadsheet/edit/cells.h"
#include "spreadsheet/formula/relocate.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/workbook.h"

namespace spreadsheet::edit {

namespace {

CellAddress offsetOf(CellAddress a, CellAddress origin) {
  return {a.row - origin.row, a.column - origin.column};
}

void copyLines(const Worksheet& sheet, const CellRange& area, CopiedCells& out) {
  const bool rows = area.isWholeRows();
  const Axis axis = rows ? Axis::Rows : Axis::Columns;
  const int first = rows ? area.first.row : area.first.column;
  const int last = rows ? area.last.row : area.last.column;
  const StylePool& pool = sheet.workbook().styles();
  for (const auto& [i, info] : sheet.lines(axis)) {
    if (i < first || i > last) continue;
    out.lines[i - first] = info;
    if (info.style) out.lineStyles[i - first] = pool.get(*info.style);
  }
}

// Rules that cover copied cells, cut down to those cells.
void copyValidations(const Worksheet& sheet, const CellRange& area, CopiedCells& out) {
  for (const Validation& v : sheet.validations()) {
    std::vector<CellRange> inside;
    for (const CellRange& r : v.ranges)
      if (r.intersects(area))
        inside.push_back(CellRange::of(
            std::max(r.first.row, area.first.row), std::max(r.first.column, area.first.column),
            std::min(r.last.row, area.last.row), std::min(r.last.column, area.last.column)));
    if (inside.empty()) continue;  // only rules over copied cells are copied at all
    Validation& part = out.validations.emplace_back(v);
    part.ranges = std::move(inside);
  }
}

// The copied cells' formats, each distinct one kept once: a block of cells
// mostly shares a few formats.
class CopiedStyles {
 public:
  CopiedStyles(const StylePool& pool, std::vector<Style>& styles) : pool_(pool), styles_(styles) {}
  std::size_t indexOf(StyleId id) {
    auto it = std::lower_bound(seen_.begin(), seen_.end(), id,
                               [](const auto& s, StyleId x) { return s.first < x; });
    if (it != seen_.end() && it->first == id) return it->second;
    styles_.push_back(pool_.get(id));
    seen_.insert(it, {id, styles_.size() - 1});
    return styles_.size() - 1;
  }

 private:
  const StylePool& pool_;
  std::vector<Style>& styles_;
  std::vector<std::pair<StyleId, std::size_t>> seen_;  // sorted by id
};

CellRange offsetRange(const CellRange& r, int rows, int columns) {
  return CellRange::of(r.first.row + rows, r.first.column + columns, r.last.row + rows,
                       r.last.column + columns);
}

// Adds a pasted rule, joining an equal rule already on the sheet.
// Rules are compared with their ranges set aside (moved, not copied: a rule
// pasted many times collects many ranges).
void addValidation(Worksheet& sheet, Validation v) {
  std::vector<CellRange> added = std::exchange(v.ranges, {});
  for (Validation& existing : sheet.validations()) {
    std::vector<CellRange> ranges = std::exchange(existing.ranges, {});
    const bool same = v == existing;
    existing.ranges = std::move(ranges);
    if (same) {
      existing.ranges.insert(existing.ranges.end(), added.begin(), added.end());
      return;
    }
  }
  v.ranges = std::move(added);
  sheet.validations().push_back(std::move(v));
}

}  // namespace

CopiedCells copyCells(const Worksheet& sheet, const CellRange& area) {
  CopiedCells out;
  out.source = area;
  CopiedStyles styles(sheet.workbook().styles(), out.styles);
  const bool lines = area.isWholeRows() || area.isWholeColumns();
  if (lines) {
    if (area.isWholeRows() && area.isWholeColumns())
      throw Error("Copy method of Range class failed");
    copyLines(sheet, area, out);
    for (const auto& line : sheet.cells().rows(area.first.row, area.last.row))
      for (auto it = line.cells.lower_bound(area.first.column);
           it != line.cells.end() && it->first <= area.last.column; ++it) {
        const Cell& cell = it->second;
        out.items.push_back({offsetOf({line.index, it->first}, area.first), cell.value,
                             cell.formula, styles.indexOf(cell.style)});
      }
  } else {
    if (area.cellCount() > 1'000'000) throw Error("Copy method of Range class failed");
    for (int r = area.first.row; r <= area.last.row; ++r)
      for (int c = area.first.column; c <= area.last.column; ++c) {
        const Cell* cell = sheet.find({r, c});
        CopiedCells::Item item{
            offsetOf({r, c}, area.first), {}, {}, styles.indexOf(sheet.styleAt({r, c}))};
        if (cell) {
          item.value = cell->value;
          item.formula = cell->formula;
        }
        out.items.push_back(std::move(item));
      }
  }
  for (const CellRange& m : sheet.mergedAreas())
    if (area.contains(m)) out.merges.push_back(m);
  copyValidations(sheet, area, out);
  return out;
}

CellRange insertCopiedCells(Worksheet& sheet, CellAddress at, const CopiedCells& copied,
                            Shift shift) {
  const CellRange& src = copied.source;
  CellRange dest;
  if (src.isWholeRows()) {
    dest = CellRange::of(at.row, 1, at.row + src.rowCount() - 1, kMaxColumns);
    shift = Shift::Down;
  } else if (src.isWholeColumns()) {
    dest = CellRange::of(1, at.column, kMaxRows, at.column + src.columnCount() - 1);
    shift = Shift::Right;
  } else {
    dest = CellRange::of(at.row, at.column, at.row + src.rowCount() - 1,
                         at.column + src.columnCount() - 1);
  }
  if (dest.last.row > kMaxRows || dest.last.column > kMaxColumns)
    throw Error("Insert method of Range class failed");
  insertCells(sheet, dest, shift, false);

  const int dr = dest.first.row - src.first.row;
  const int dc = dest.first.column - src.first.column;
  StylePool& pool = sheet.workbook().styles();
  if (!copied.lines.empty() || src.isWholeRows() || src.isWholeColumns()) {
    const Axis axis = src.isWholeRows() ? Axis::Rows : Axis::Columns;
    const int first = axis == Axis::Rows ? dest.first.row : dest.first.column;
    const int count = axis == Axis::Rows ? dest.rowCount() : dest.columnCount();
    for (int i = 0; i < count; ++i) sheet.lines(axis).erase(first + i);
    for (const auto& [offset, info] : copied.lines) {
      LineInfo& line = sheet.line(axis, first + offset);
      line = info;
      if (auto s = copied.lineStyles.find(offset); s != copied.lineStyles.end())
        line.style = pool.intern(s->second);
    }
  }
  // Each distinct format is interned once, when its first cell is pasted, so
  // new formats get their ids in the order of the cells.
  std::vector<std::optional<StyleId>> ids(copied.styles.size());
  for (const CopiedCells::Item& item : copied.items) {
    const CellAddress a{dest.first.row + item.offset.row, dest.first.column + item.offset.column};
    std::optional<StyleId>& id = ids[item.style];
    if (!id) id = pool.intern(copied.styles[item.style]);
    const StyleId style = *id;
    Cell* stored = sheet.find(a);
    if (!stored && item.value.isEmpty() && !item.formula && style == sheet.styleAt(a)) continue;
    // A new cell gets its style below, so it is stored directly.
    Cell& cell = stored ? *stored : sheet.cells()[a];
    cell.value = item.value;
    cell.formula = item.formula;
    // Pasted where it was copied from, a formula keeps sharing its tree.
    if (cell.formula && (dr != 0 || dc != 0)) formula::rebase(*cell.formula, dr, dc);
    cell.style = style;
  }
  for (const CellRange& m : copied.merges) sheet.mergedAreas().push_back(offsetRange(m, dr, dc));
  for (Validation v : copied.validations) {
    for (CellRange& r : v.ranges) r = offsetRange(r, dr, dc);
    if (v.formula1) formula::rebase(*v.formula1, dr, dc);
    if (v.formula2) formula::rebase(*v.formula2, dr, dc);
    addValidation(sheet, std::move(v));
  }
  return dest;
}

}  // namespace spreadsheet::edit
