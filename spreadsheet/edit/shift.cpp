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
bool inBand(CellAddress a, const CellShift& s) {
  const int x = acrossOf(a, s.axis);
  return x >= s.bandFirst && x <= s.bandLast;
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

void checkNothingFallsOff(const Worksheet& sheet, const CellShift& s) {
  const int lastKept = limitAlong(s.axis) - s.count;
  for (const auto& [a, cell] : sheet.cells())
    if (!cell.isBlank() && inBand(a, s) && alongOf(a, s.axis) > lastKept)
      throw Error(
          "To prevent possible loss of data, cells that are not empty cannot be shifted off the "
          "worksheet.");
}

// Moves the stored cells of the band; cells inside deleted lines, or pushed
// off the sheet, go. Map nodes are re-keyed rather than copied.
void moveCells(Worksheet& sheet, const CellShift& s) {
  auto& cells = sheet.cells();
  using Node = std::map<CellAddress, Cell>::node_type;
  std::vector<Node> moved;
  // Rows before the shift (or outside a band of rows) never change.
  const CellAddress start =
      s.axis == Axis::Rows ? CellAddress{s.at, 1} : CellAddress{s.bandFirst, 1};
  for (auto it = cells.lower_bound(start); it != cells.end();) {
    if (s.axis == Axis::Columns && it->first.row > s.bandLast) break;
    const int x = alongOf(it->first, s.axis);
    if (!inBand(it->first, s) || x < s.at) {
      ++it;
      continue;
    }
    const int to = s.insert ? x + s.count : (x > s.end() ? x - s.count : 0);
    auto next = std::next(it);
    Node node = cells.extract(it);
    if (to >= 1 && to <= limitAlong(s.axis)) {
      node.key() = make(s.axis, to, acrossOf(node.key(), s.axis));
      moved.push_back(std::move(node));
    }
    it = next;
  }
  for (Node& node : moved) cells.insert(std::move(node));
}

void moveLines(Worksheet& sheet, const CellShift& s) {
  auto& lines = sheet.lines(s.axis);
  std::map<int, LineInfo> result;
  for (auto& [i, info] : lines) {
    if (i < s.at)
      result.emplace(i, info);
    else if (s.insert && i + s.count <= limitAlong(s.axis))
      result.emplace(i + s.count, info);
    else if (!s.insert && i > s.end())
      result.emplace(i - s.count, info);
  }
  // Inserted rows or columns are formatted like the one before them.
  if (s.insert && s.at > 1) {
    auto before = result.find(s.at - 1);
    if (before != result.end())
      for (int i = s.at; i <= s.end(); ++i) result[i] = before->second;
  }
  lines = std::move(result);
}

void takeNeighbourFormat(Worksheet& sheet, const CellShift& s) {
  if (s.at == 1) return;
  std::vector<std::pair<int, StyleId>> styles;  // across position, style of the neighbour
  if (wholeLines(s)) {
    for (const auto& [a, cell] : sheet.cells())
      if (alongOf(a, s.axis) == s.at - 1) styles.emplace_back(acrossOf(a, s.axis), cell.style);
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
    for (const CellRange& r : v.ranges) {
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
