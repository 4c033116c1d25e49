#include "spreadsheet/edit/shift.h"

#include <vector>

#include "spreadsheet/edit/areas.h"
#include "spreadsheet/edit/references.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::edit {

namespace {

using formula::CellShift;

int alongOf(CellAddress a, Axis axis) {
  return axis == Axis::Rows ? a.row : a.column;
}
int acrossOf(CellAddress a, Axis axis) {
  return axis == Axis::Rows ? a.column : a.row;
}
int limitAlong(Axis axis) {
  return axis == Axis::Rows ? kMaxRows : kMaxColumns;
}
int limitAcross(Axis axis) {
  return axis == Axis::Rows ? kMaxColumns : kMaxRows;
}
CellAddress make(Axis axis, int along, int across) {
  return axis == Axis::Rows ? CellAddress{along, across} : CellAddress{across, along};
}
bool wholeLines(const CellShift& s) {
  return s.bandFirst == 1 && s.bandLast == limitAcross(s.axis);
}

[[noreturn]] void refuseMergeSplit() {
  throw Error("Cannot change part of a merged cell.");
}

// Refuses the shift when a merged area would come apart: part of it in the
// band and part outside while its cells move, or the inserted or deleted
// lines cutting through it, or it leaving the sheet.
void checkMerges(const Worksheet& sheet, const CellShift& s) {
  for (const CellRange& m : sheet.mergedAreas()) {
    const int lo = alongOf(m.first, s.axis), hi = alongOf(m.last, s.axis);
    const int a = acrossOf(m.first, s.axis), b = acrossOf(m.last, s.axis);
    if (b < s.bandFirst || a > s.bandLast || hi < s.at) continue;
    if (a < s.bandFirst || b > s.bandLast) refuseMergeSplit();
    if (s.insert) {
      if (lo < s.at) refuseMergeSplit();
      if (hi + s.count > limitAlong(s.axis))
        throw Error(
            "To prevent possible loss of data, merged cells cannot be shifted off the worksheet.");
    } else if (lo <= s.end() && (lo < s.at || hi > s.end())) {
      refuseMergeSplit();
    }
  }
}

// Stored cells of the band that lie beyond `from` along the axis, row by row.
template <typename Rows, typename F>
void forEachCellBeyond(Rows&& rows, const CellShift& s, int from, const F& visit) {
  if (s.axis == Axis::Rows) {
    for (auto& line : rows.rows(from))
      for (auto it = line.cells.lower_bound(s.bandFirst);
           it != line.cells.end() && it->first <= s.bandLast; ++it)
        visit(line, it);
  } else {
    for (auto& line : rows.rows(s.bandFirst, s.bandLast))
      for (auto it = line.cells.lower_bound(from); it != line.cells.end(); ++it) visit(line, it);
  }
}

void checkNothingFallsOff(const Worksheet& sheet, const CellShift& s) {
  const int lastKept = limitAlong(s.axis) - s.count;
  forEachCellBeyond(sheet.cells(), s, lastKept + 1, [](const auto&, auto it) {
    if (!it->second.isBlank())
      throw Error(
          "To prevent possible loss of data, cells that are not empty cannot be shifted off the "
          "worksheet.");
  });
}

// Where a line of cells beyond the edit goes; 0 when it is deleted or
// pushed off the sheet.
int movedTo(int x, const CellShift& s) {
  const int to = s.insert ? x + s.count : (x > s.end() ? x - s.count : 0);
  return to <= limitAlong(s.axis) ? to : 0;
}

// Whole rows: the rows beyond the edit are renumbered and no cell moves.
void moveWholeRows(CellStore& cells, const CellShift& s) {
  if (s.insert) {
    cells.eraseRows(std::max(s.at, kMaxRows - s.count + 1), kMaxRows);
    cells.renumberRows(s.at, s.count);
  } else {
    cells.eraseRows(s.at, s.end());
    cells.renumberRows(s.end() + 1, -s.count);
  }
}

// Moves the stored cells of the band; cells inside deleted lines, or pushed
// off the sheet, go. Cells are re-keyed rather than copied.
void moveCells(Worksheet& sheet, const CellShift& s) {
  CellStore& cells = sheet.cells();
  if (s.axis == Axis::Rows && wholeLines(s)) return moveWholeRows(cells, s);
  std::vector<CellAddress> from;
  forEachCellBeyond(cells, s, s.at, [&](const CellStore::Line& line, auto it) {
    from.push_back({line.index, it->first});
  });
  std::vector<std::pair<CellAddress, CellStore::Row::node_type>> moved;
  for (CellAddress a : from) {
    auto node = cells.extract(a);
    if (const int to = movedTo(alongOf(a, s.axis), s))
      moved.emplace_back(make(s.axis, to, acrossOf(a, s.axis)), std::move(node));
  }
  for (auto& [to, node] : moved) cells.insert(to, std::move(node));
  cells.dropEmptyRows();
}

// Row or column formats beyond the edit are re-keyed in place (no copy of
// the others): upwards from the far end for an insert, downwards from the
// edit for a delete, so no key meets one not yet moved.
void moveLines(Worksheet& sheet, const CellShift& s) {
  auto& lines = sheet.lines(s.axis);
  if (s.insert) {
    const int lastKept = limitAlong(s.axis) - s.count;
    lines.erase(lines.upper_bound(std::max(lastKept, s.at - 1)), lines.end());
    for (auto it = lines.end(); it != lines.begin() && std::prev(it)->first >= s.at;) {
      auto node = lines.extract(std::prev(it));
      node.key() += s.count;
      it = lines.insert(std::move(node)).position;
    }
  } else {
    lines.erase(lines.lower_bound(s.at), lines.upper_bound(s.end()));
    for (auto it = lines.upper_bound(s.end()); it != lines.end();) {
      auto node = lines.extract(it++);
      node.key() -= s.count;
      lines.insert(std::move(node));
    }
  }
  // Inserted rows or columns are formatted like the one before them.
  if (s.insert && s.at > 1) {
    auto before = lines.find(s.at - 1);
    if (before != lines.end())
      for (int i = s.at; i <= s.end(); ++i) lines[i] = before->second;
  }
}

void takeNeighbourFormat(Worksheet& sheet, const CellShift& s) {
  if (s.at == 1) return;
  std::vector<std::pair<int, StyleId>> styles;  // across position, style of the neighbour
  if (wholeLines(s) && s.axis == Axis::Rows) {
    for (const auto& line : sheet.cells().rows(s.at - 1, s.at - 1))
      for (const auto& [column, cell] : line.cells) styles.emplace_back(column, cell.style);
  } else if (wholeLines(s)) {
    for (const auto& line : sheet.cells().rows())
      if (auto it = line.cells.find(s.at - 1); it != line.cells.end())
        styles.emplace_back(line.index, it->second.style);
  } else {
    for (int x = s.bandFirst; x <= s.bandLast; ++x)
      styles.emplace_back(x, sheet.styleAt(make(s.axis, s.at - 1, x)));
  }
  for (auto [x, style] : styles)
    for (int i = s.at; i <= s.end(); ++i) {
      const CellAddress a = make(s.axis, i, x);
      if (sheet.styleAt(a) != style) sheet.cell(a).style = style;
    }
}

void moveMerges(Worksheet& sheet, const CellShift& s) {
  std::vector<CellRange> kept;
  for (const CellRange& m : sheet.mergedAreas())
    if (auto moved = formula::shiftArea(m, s)) kept.push_back(*moved);
  sheet.mergedAreas() = std::move(kept);
}

// Validation ranges: the part inside the band moves like cells, the rest stays.
void moveValidations(Worksheet& sheet, const CellShift& s) {
  const CellRange band = s.axis == Axis::Rows
                             ? CellRange::of(1, s.bandFirst, kMaxRows, s.bandLast)
                             : CellRange::of(s.bandFirst, 1, s.bandLast, kMaxColumns);
  for (Validation& v : sheet.validations()) {
    std::vector<CellRange> ranges;
    ranges.reserve(v.ranges.size());
    for (const CellRange& r : v.ranges) {
      if (band.contains(r)) {  // most ranges: nothing of them stays behind
        if (auto moved = formula::shiftArea(r, s)) ranges.push_back(*moved);
        continue;
      }
      for (const CellRange& outside : subtract(r, band)) ranges.push_back(outside);
      if (!r.intersects(band)) continue;
      const CellRange inside = CellRange::of(
          std::max(r.first.row, band.first.row), std::max(r.first.column, band.first.column),
          std::min(r.last.row, band.last.row), std::min(r.last.column, band.last.column));
      if (auto moved = formula::shiftArea(inside, s)) ranges.push_back(*moved);
    }
    v.ranges = std::move(ranges);
  }
  std::erase_if(sheet.validations(), [](const Validation& v) { return v.ranges.empty(); });
}

void applyShift(Worksheet& sheet, const CellShift& s, bool neighbourFormat) {
  checkMerges(sheet, s);
  if (s.insert) checkNothingFallsOff(sheet, s);
  moveCells(sheet, s);
  if (wholeLines(s)) moveLines(sheet, s);
  if (s.insert && neighbourFormat) takeNeighbourFormat(sheet, s);
  moveMerges(sheet, s);
  moveValidations(sheet, s);
  adjustReferences(sheet, s);
}

}  // namespace

Shift shiftFor(int xlShift, const CellRange& area, bool insert) {
  if (area.isWholeRows() && area.isWholeColumns())
    throw Error(insert ? "Insert method of Range class failed"
                       : "Delete method of Range class failed");
  if (area.isWholeRows()) return insert ? Shift::Down : Shift::Up;
  if (area.isWholeColumns()) return insert ? Shift::Right : Shift::Left;
  switch (xlShift) {
    case xl::ShiftToLeft:
      return Shift::Left;
    case xl::ShiftToRight:
      return Shift::Right;
    case xl::ShiftUp:
      return Shift::Up;
    case xl::ShiftDown:
      return Shift::Down;
    case 0:
      break;
    default:
      throw Error(insert ? "Insert method of Range class failed"
                         : "Delete method of Range class failed");
  }
  const bool vertical = area.columnCount() >= area.rowCount();
  if (insert) return vertical ? Shift::Down : Shift::Right;
  return vertical ? Shift::Up : Shift::Left;
}

CellShift cellShiftFor(const CellRange& area, Shift shift, bool insert) {
  CellShift s;
  s.insert = insert;
  s.axis = (shift == Shift::Down || shift == Shift::Up) ? Axis::Rows : Axis::Columns;
  if (s.axis == Axis::Rows) {
    s.bandFirst = area.first.column;
    s.bandLast = area.last.column;
    s.at = area.first.row;
    s.count = area.rowCount();
  } else {
    s.bandFirst = area.first.row;
    s.bandLast = area.last.row;
    s.at = area.first.column;
    s.count = area.columnCount();
  }
  return s;
}

void insertCells(Worksheet& sheet, const CellRange& area, Shift shift, bool takeNeighbourFormat) {
  if (shift == Shift::Left || shift == Shift::Up)
    throw Error("Insert method of Range class failed");
  applyShift(sheet, cellShiftFor(area, shift, true), takeNeighbourFormat);
}

void deleteCells(Worksheet& sheet, const CellRange& area, Shift shift) {
  if (shift == Shift::Right || shift == Shift::Down)
    throw Error("Delete method of Range class failed");
  applyShift(sheet, cellShiftFor(area, shift, false), false);
}

}  // namespace spreadsheet::edit
