#include "spreadsheet/formula/relocate.h"

#include <algorithm>
#include <utility>

#include "spreadsheet/model/workbook.h"

namespace spreadsheet::formula {

namespace {

// Coordinates of a cell along and across the shift's axis.
int& along(CellAddress& a, Axis axis) {
  return axis == Axis::Rows ? a.row : a.column;
}
int along(const FormulaRef& r, Axis axis) {
  return axis == Axis::Rows ? r.row : r.column;
}
int& across(CellAddress& a, Axis axis) {
  return axis == Axis::Rows ? a.column : a.row;
}
int limitAlong(Axis axis) {
  return axis == Axis::Rows ? kMaxRows : kMaxColumns;
}

// One end of an area along the axis after an insert. An end already at the
// sheet's limit stays there, so whole-column references stay whole.
int insertedEnd(int x, const CellShift& s) {
  if (x < s.at) return x;
  if (x == limitAlong(s.axis)) return x;
  return x + s.count;
}

void makeRefError(FormulaNode& node) {
  FormulaNode err;
  err.kind = FormulaKind::RefError;
  node = std::move(err);
}

CellRange areaOf(const FormulaNode& node) {
  const FormulaRef& a = node.first;
  const FormulaRef& b = node.kind == FormulaKind::Area ? node.last : node.first;
  return CellRange{{std::min(a.row, b.row), std::min(a.column, b.column)},
                   {std::max(a.row, b.row), std::max(a.column, b.column)}};
}

// Puts the (normalised) area back into the node, keeping the relative flags
// of whichever end held the smaller and larger coordinate.
void storeArea(FormulaNode& node, const CellRange& r) {
  if (node.kind == FormulaKind::Cell) {
    node.first.row = r.first.row;
    node.first.column = r.first.column;
    return;
  }
  FormulaRef& a = node.first;
  FormulaRef& b = node.last;
  if (a.row > b.row) std::swap(a.rowRelative, b.rowRelative);
  if (a.column > b.column) std::swap(a.columnRelative, b.columnRelative);
  a.row = r.first.row;
  a.column = r.first.column;
  b.row = r.last.row;
  b.column = r.last.column;
}

bool isReference(const FormulaNode& n) {
  return n.kind == FormulaKind::Cell || n.kind == FormulaKind::Area;
}

template <typename F>
void forEachReference(FormulaNode& node, const F& visit) {
  if (isReference(node)) {
    visit(node);
    return;
  }
  for (FormulaNode& child : node.children) forEachReference(child, visit);
}

}  // namespace

std::optional<CellRange> shiftArea(const CellRange& area, const CellShift& s) {
  CellRange r = area;
  const Axis ax = s.axis;
  if (across(r.first, ax) < s.bandFirst || across(r.last, ax) > s.bandLast) return r;
  int& lo = along(r.first, ax);
  int& hi = along(r.last, ax);
  if (s.insert) {
    lo = insertedEnd(lo, s);
    hi = insertedEnd(hi, s);
    if (lo > limitAlong(ax)) return std::nullopt;
    hi = std::min(hi, limitAlong(ax));
    return r;
  }
  const int end = s.end();
  if (lo >= s.at && hi <= end) return std::nullopt;
  const int newLo = lo < s.at ? lo : (lo <= end ? s.at : lo - s.count);
  const int newHi = hi < s.at ? hi : (hi <= end ? s.at - 1 : hi - s.count);
  lo = newLo;
  hi = newHi;
  return r;
}

namespace {

// An insert moving a reference whose ends are stored in order (first above
// and left of last, as the parser and the shifts store them): its ends are
// moved in place, as shiftArea and storeArea would. Returns false when the
// reference leaves the sheet, which the general path handles.
bool insertInPlace(FormulaNode& ref, const CellShift& s, bool& changed) {
  FormulaRef& lo = ref.first;
  FormulaRef& hi = ref.kind == FormulaKind::Area ? ref.last : ref.first;
  const Axis ax = s.axis;
  const int acrossLo = ax == Axis::Rows ? lo.column : lo.row;
  const int acrossHi = ax == Axis::Rows ? hi.column : hi.row;
  if (acrossLo < s.bandFirst || acrossHi > s.bandLast) return true;
  int& alongLo = ax == Axis::Rows ? lo.row : lo.column;
  int& alongHi = ax == Axis::Rows ? hi.row : hi.column;
  const int newLo = insertedEnd(alongLo, s);
  if (newLo > limitAlong(ax)) return false;
  const int newHi = std::min(insertedEnd(alongHi, s), limitAlong(ax));
  changed = changed || newLo != alongLo || newHi != alongHi;
  alongLo = newLo;  // for a single cell lo and hi are one end: newLo == newHi
  alongHi = newHi;
  return true;
}

bool storedInOrder(const FormulaNode& ref) {
  return ref.kind == FormulaKind::Cell ||
         (ref.first.row <= ref.last.row && ref.first.column <= ref.last.column);
}

}  // namespace

bool shiftReferences(FormulaNode& root, const CellShift& shift, std::string_view sheetName,
                     bool ownSheetShifted) {
  bool changed = false;
  const std::string name(sheetName);
  forEachReference(root, [&](FormulaNode& ref) {
    // A reference wholly before the edited lines never changes.
    const FormulaRef& end = ref.kind == FormulaKind::Area ? ref.last : ref.first;
    if (std::max(along(ref.first, shift.axis), along(end, shift.axis)) < shift.at) return;
    const bool onSheet = ref.sheet.empty() ? ownSheetShifted : sameName(ref.sheet, name);
    if (!onSheet) return;
    if (shift.insert && storedInOrder(ref) && insertInPlace(ref, shift, changed)) return;
    const CellRange before = areaOf(ref);
    std::optional<CellRange> after = shiftArea(before, shift);
    if (!after) {
      makeRefError(ref);
      changed = true;
    } else if (*after != before) {
      storeArea(ref, *after);
      changed = true;
    }
  });
  return changed;
}

void rebase(FormulaNode& root, int rows, int columns) {
  forEachReference(root, [&](FormulaNode& ref) {
    auto move = [&](FormulaRef& end) {
      if (end.rowRelative) end.row += rows;
      if (end.columnRelative) end.column += columns;
      return end.row >= 1 && end.row <= kMaxRows && end.column >= 1 && end.column <= kMaxColumns;
    };
    bool ok = move(ref.first);
    if (ref.kind == FormulaKind::Area) ok = move(ref.last) && ok;
    if (!ok) makeRefError(ref);
  });
}

void renameSheet(FormulaNode& root, std::string_view from, std::string_view to) {
  forEachReference(root, [&](FormulaNode& ref) {
    if (!ref.sheet.empty() && sameName(ref.sheet, std::string(from))) ref.sheet = std::string(to);
  });
}

void invalidateSheet(FormulaNode& root, std::string_view sheetName) {
  forEachReference(root, [&](FormulaNode& ref) {
    if (!ref.sheet.empty() && sameName(ref.sheet, std::string(sheetName))) makeRefError(ref);
  });
}

}  // namespace spreadsheet::formula
