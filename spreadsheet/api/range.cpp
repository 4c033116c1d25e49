#include "spreadsheet/api/range.h"

#include "spreadsheet/api/application.h"
#include "spreadsheet/api/application_state.h"
#include "spreadsheet/api/worksheet.h"
#include "spreadsheet/edit/areas.h"
#include "spreadsheet/edit/borders.h"
#include "spreadsheet/edit/cells.h"
#include "spreadsheet/edit/clipboard.h"
#include "spreadsheet/edit/format.h"
#include "spreadsheet/edit/shift.h"
#include "spreadsheet/format/number_format.h"
#include "spreadsheet/format/typed_input.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/formula/relocate.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/units.h"
#include "spreadsheet/model/workbook.h"

namespace spreadsheet::api {

namespace {

// Writing values cell by cell stops here; nobody types into a billion cells.
constexpr long long kMaxWrittenCells = 1'000'000;

std::string rangeText(const CellRange& r) {
  const bool rows = r.isWholeRows(), columns = r.isWholeColumns();
  if (rows && !columns)
    return "$" + std::to_string(r.first.row) + ":$" + std::to_string(r.last.row);
  if (columns && !rows)
    return "$" + ColumnLetters(r.first.column) + ":$" + ColumnLetters(r.last.column);
  if (rows && columns) return "$1:$" + std::to_string(kMaxRows);
  std::string text = toA1(r.first, true, true);
  if (!r.isSingleCell()) text += ":" + toA1(r.last, true, true);
  return text;
}

// A formula typed into one cell, or the value that typing the text stores.
struct Entry {
  std::optional<FormulaNode> formula;
  CellAddress parsedAt;
  format::TypedInput input;
};

Entry entryFor(const std::string& typed, formula::Notation notation, CellAddress at) {
  Entry e;
  e.parsedAt = at;
  if (typed.size() > 1 && typed[0] == '=') {
    e.formula = formula::parse(typed, notation, at);
  } else if (!typed.empty() && typed[0] == '\'') {
    e.input.value = CellValue(typed.substr(1));
  } else {
    e.input = format::recognizeTypedInput(typed);
  }
  return e;
}

}  // namespace

std::string absoluteAddress(const CellRange& r) {
  return rangeText(r);
}

std::pair<spreadsheet::Worksheet*, std::vector<CellRange>> resolveAddress(
    spreadsheet::Worksheet& sheet, const std::string& address) {
  A1Reference ref = parseA1(address);
  spreadsheet::Worksheet* target = &sheet;
  if (!ref.sheet.empty()) {
    target = sheet.workbook().findSheet(ref.sheet);
    if (!target)
      throw Error("Method 'Range' of object '_Worksheet' failed: no sheet \"" + ref.sheet + "\".");
  }
  if (ref.areas.empty()) throw Error("Method 'Range' of object '_Worksheet' failed");
  return {target, std::move(ref.areas)};
}

Range::Range(std::shared_ptr<Application> app, spreadsheet::Worksheet* sheet,
             std::vector<CellRange> areas, View view)
    : app_(std::move(app)), sheet_(sheet), areas_(std::move(areas)), view_(view) {
  if (areas_.empty()) throw Error("Application-defined or object-defined error");
}

spreadsheet::Worksheet& Range::sheet() const {
  app_->state().bookOf(sheet_);
  return *sheet_;
}

Application& Range::application() const {
  return *app_;
}

api::Worksheet Range::Worksheet() const {
  return api::Worksheet(app_, &sheet());
}

void Range::Select() {
  spreadsheet::Worksheet& s = sheet();
  api::Worksheet(app_, sheet_).Select();
  SheetView& view = app_->state().viewOf(&s);
  view.selection = edit::selectionFor(s, areas_);
  view.active = view.selection.front().first;
}

// ---- contents ---------------------------------------------------------------

CellValue Range::Value() const {
  spreadsheet::Worksheet& s = sheet();
  const Cell* c = s.find(areas_.front().first);
  if (!c) return {};
  // A typed value is current as stored; only a formula's result can be stale.
  if (!c->formula) return c->value;
  ensureCalculated(*app_, s.workbook());
  return s.find(areas_.front().first)->value;
}

namespace {

// Writes `e` into every cell of the areas; formulas keep their relative
// references relative to each cell.
void writeEntry(spreadsheet::Worksheet& s, const std::vector<CellRange>& areas, const Entry& e) {
  if (!e.formula && e.input.value.isEmpty()) {
    for (const CellRange& a : areas) edit::clearCells(s, a, edit::ClearWhat::Contents);
    return;
  }
  long long total = 0;
  for (const CellRange& a : areas) total += a.cellCount();
  if (total > kMaxWrittenCells) throw Error("Application-defined or object-defined error");
  const bool breaksLines =
      !e.formula && e.input.value.isText() && e.input.value.text().find('\n') != std::string::npos;
  for (const CellRange& a : areas)
    for (int r = a.first.row; r <= a.last.row; ++r)
      for (int c = a.first.column; c <= a.last.column; ++c) {
        Cell& cell = s.cell({r, c});
        if (e.formula) {
          cell.formula = *e.formula;
          formula::rebase(*cell.formula, r - e.parsedAt.row, c - e.parsedAt.column);
          cell.value = CellValue();
          continue;
        }
        cell.formula.reset();
        cell.value = e.input.value;
        const Style& now = s.workbook().styles().get(cell.style);
        const bool setFormat = e.input.numberFormat && now.numberFormat == "General";
        // Text with a line feed turns wrapping on, so that it shows as lines.
        const bool setWrap = breaksLines && !now.wrapText;
        if (setFormat || setWrap) {
          Style st = now;
          if (setFormat) st.numberFormat = *e.input.numberFormat;
          if (setWrap) st.wrapText = true;
          cell.style = s.workbook().styles().intern(st);
        }
      }
}

}  // namespace

void Range::setValue(const CellValue& v) {
  spreadsheet::Worksheet& s = sheet();
  Entry e;
  e.input.value = v;
  writeEntry(s, areas_, e);
  app_->state().clipboard.reset();
  markChanged(*app_, s);
}

void Range::setValue(const std::string& typed) {
  spreadsheet::Worksheet& s = sheet();
  writeEntry(s, areas_, entryFor(typed, formula::Notation::A1, areas_.front().first));
  app_->state().clipboard.reset();
  markChanged(*app_, s);
}

void Range::setFormulaR1C1(const std::string& typed) {
  spreadsheet::Worksheet& s = sheet();
  writeEntry(s, areas_, entryFor(typed, formula::Notation::R1C1, areas_.front().first));
  app_->state().clipboard.reset();
  markChanged(*app_, s);
}

void Range::setFormula(const std::string& typed) {
  setValue(typed);
}

namespace {
std::string formulaText(const spreadsheet::Worksheet& s, CellAddress at, formula::Notation n) {
  const Cell* c = s.find(at);
  if (!c) return "";
  if (c->formula) return formula::print(*c->formula, n, at);
  return c->value.toText();
}
}  // namespace

std::string Range::FormulaR1C1() const {
  return formulaText(sheet(), areas_.front().first, formula::Notation::R1C1);
}

std::string Range::Formula() const {
  return formulaText(sheet(), areas_.front().first, formula::Notation::A1);
}

std::string Range::Text() const {
  const CellValue v = Value();
  return format::displayText(v, sheet().effectiveStyle(areas_.front().first).numberFormat);
}

bool Range::HasFormula() const {
  const Cell* c = sheet().find(areas_.front().first);
  return c && c->formula;
}

// ---- formats ----------------------------------------------------------------

namespace {
// Formats never change values, so nothing needs recalculating.
void formatAreas(spreadsheet::Worksheet& s, const std::vector<CellRange>& areas,
                 const edit::StyleEdit& edit) {
  for (const CellRange& a : areas) edit::applyFormat(s, a, edit);
}

bool validHorizontal(int v) {
  return v == xl::General || v == xl::Left || v == xl::Center || v == xl::Right || v == xl::Fill ||
         v == xl::Justify || v == xl::CenterAcrossSelection || v == xl::Distributed;
}
bool validVertical(int v) {
  return v == xl::Top || v == xl::Center || v == xl::Bottom || v == xl::Justify ||
         v == xl::Distributed;
}
}  // namespace

std::string Range::NumberFormat() const {
  return sheet().effectiveStyle(areas_.front().first).numberFormat;
}

void Range::setNumberFormat(const std::string& code) {
  formatAreas(sheet(), areas_, [&](Style& s) { s.numberFormat = code.empty() ? "General" : code; });
}

int Range::HorizontalAlignment() const {
  return sheet().effectiveStyle(areas_.front().first).horizontalAlignment;
}

void Range::setHorizontalAlignment(int alignment) {
  if (!validHorizontal(alignment))
    throw Error("Unable to set the HorizontalAlignment property of the Range class");
  formatAreas(sheet(), areas_, [&](Style& s) { s.horizontalAlignment = alignment; });
}

int Range::VerticalAlignment() const {
  return sheet().effectiveStyle(areas_.front().first).verticalAlignment;
}

void Range::setVerticalAlignment(int alignment) {
  if (!validVertical(alignment))
    throw Error("Unable to set the VerticalAlignment property of the Range class");
  formatAreas(sheet(), areas_, [&](Style& s) { s.verticalAlignment = alignment; });
}

bool Range::WrapText() const {
  return sheet().effectiveStyle(areas_.front().first).wrapText;
}

void Range::setWrapText(bool wrap) {
  formatAreas(sheet(), areas_, [&](Style& s) { s.wrapText = wrap; });
}

bool Range::Locked() const {
  return sheet().effectiveStyle(areas_.front().first).locked;
}

void Range::setLocked(bool locked) {
  formatAreas(sheet(), areas_, [&](Style& s) { s.locked = locked; });
}

bool Range::FormulaHidden() const {
  return sheet().effectiveStyle(areas_.front().first).hidden;
}

void Range::setFormulaHidden(bool hidden) {
  formatAreas(sheet(), areas_, [&](Style& s) { s.hidden = hidden; });
}

api::Font Range::Font() const {
  return api::Font(*this);
}
api::Border Range::Borders(int index) const {
  return api::Border(*this, index);
}
api::Borders Range::Borders() const {
  return api::Borders(*this);
}
api::Interior Range::Interior() const {
  return api::Interior(*this);
}
api::Validation Range::Validation() const {
  return api::Validation(*this);
}

// ---- heights and widths ------------------------------------------------------

double Range::RowHeight() const {
  return sheet().rowHeight(areas_.front().first.row);
}

void Range::setRowHeight(double points) {
  spreadsheet::Worksheet& s = sheet();
  if (!(points >= 0 && points <= kMaxRowHeightPoints))
    throw Error("Unable to set the RowHeight property of the Range class");
  for (const CellRange& a : areas_) edit::setLineSize(s, Axis::Rows, a, points);
}

double Range::ColumnWidth() const {
  return sheet().columnWidth(areas_.front().first.column);
}

void Range::setColumnWidth(double characters) {
  spreadsheet::Worksheet& s = sheet();
  if (!(characters >= 0 && characters <= kMaxColumnWidthCharacters))
    throw Error("Unable to set the ColumnWidth property of the Range class");
  for (const CellRange& a : areas_) edit::setLineSize(s, Axis::Columns, a, characters);
}

// ---- editing -----------------------------------------------------------------

void Range::Merge() {
  spreadsheet::Worksheet& s = sheet();
  for (const CellRange& a : areas_) edit::mergeCells(s, a);
  app_->state().clipboard.reset();
  markChanged(*app_, s);
}

void Range::UnMerge() {
  spreadsheet::Worksheet& s = sheet();
  for (const CellRange& a : areas_) edit::unmergeCells(s, a);
}

bool Range::MergeCells() const {
  return sheet().mergedAreaAt(areas_.front().first).has_value();
}

Range Range::MergeArea() const {
  const CellAddress a = areas_.front().first;
  return Range(app_, sheet_, {sheet().mergedAreaAt(a).value_or(CellRange::of(a))});
}

void requireOneArea(const std::vector<CellRange>& areas) {
  if (areas.size() != 1) throw Error("That command cannot be used on multiple selections.");
}

namespace {

// Cells moved next to new neighbours: one line per edge again. New neighbours
// meet only around `area` (inserted or closed up) and along the two lines the
// moved cells slid past, so only those edges are looked at.
void joinMovedEdges(spreadsheet::Worksheet& s, const CellRange& area, edit::Shift shift) {
  const auto used = s.usedRange();
  if (!used) return;
  const int lastRow = std::max(used->last.row, area.first.row);
  const int lastColumn = std::max(used->last.column, area.first.column);
  const int r1 = area.first.row, c1 = area.first.column;
  const int r2 = std::min(area.last.row, lastRow), c2 = std::min(area.last.column, lastColumn);
  edit::joinSharedEdges(s, CellRange::of(r1, c1, r2, c2));
  // Whole rows (columns) move with their formats and keep every neighbour
  // along them: no cell slides past another.
  if (area.isWholeRows() || area.isWholeColumns()) return;
  if (shift == edit::Shift::Left || shift == edit::Shift::Right) {
    edit::joinSharedEdges(s, CellRange::of(r1, c1, r1, lastColumn));
    edit::joinSharedEdges(s, CellRange::of(r2, c1, r2, lastColumn));
  } else {
    edit::joinSharedEdges(s, CellRange::of(r1, c1, lastRow, c1));
    edit::joinSharedEdges(s, CellRange::of(r1, c2, lastRow, c2));
  }
}
}  // namespace

void Range::Insert(int shift) {
  spreadsheet::Worksheet& s = sheet();
  requireOneArea(areas_);
  ApplicationState& st = app_->state();
  if (st.clipboard) {
    const edit::Shift dir = edit::shiftFor(shift, st.clipboard->source, true);
    edit::insertCopiedCells(s, areas_.front().first, *st.clipboard, dir);
    const CellRange& from = st.clipboard->source;
    const CellAddress at = areas_.front().first;
    joinMovedEdges(
        s,
        CellRange::of(at.row, at.column,
                      std::min(kMaxRows, at.row + from.last.row - from.first.row),
                      std::min(kMaxColumns, at.column + from.last.column - from.first.column)),
        dir);
  } else {
    const edit::Shift dir = edit::shiftFor(shift, areas_.front(), true);
    edit::insertCells(s, areas_.front(), dir);
    joinMovedEdges(s, areas_.front(), dir);
  }
  markChanged(*app_, s);
}

void Range::Delete(int shift) {
  spreadsheet::Worksheet& s = sheet();
  requireOneArea(areas_);
  const edit::Shift dir = edit::shiftFor(shift, areas_.front(), false);
  edit::deleteCells(s, areas_.front(), dir);
  joinMovedEdges(s, areas_.front(), dir);
  app_->state().clipboard.reset();
  markChanged(*app_, s);
}

void Range::Copy() {
  spreadsheet::Worksheet& s = sheet();
  requireOneArea(areas_);
  ApplicationState& st = app_->state();
  st.clipboard = edit::copyCells(s, areas_.front());
  st.clipboardSheet = &s;
}

void Range::Clear() {
  spreadsheet::Worksheet& s = sheet();
  for (const CellRange& a : areas_) edit::clearCells(s, a);
  app_->state().clipboard.reset();
  markChanged(*app_, s);
}

void Range::ClearContents() {
  spreadsheet::Worksheet& s = sheet();
  for (const CellRange& a : areas_) edit::clearCells(s, a, edit::ClearWhat::Contents);
  app_->state().clipboard.reset();
  markChanged(*app_, s);
}

// ---- shape ---------------------------------------------------------------------

Range Range::Rows() const {
  return Range(app_, sheet_, areas_, View::Rows);
}
Range Range::Columns() const {
  return Range(app_, sheet_, areas_, View::Columns);
}
Range Range::Cells() const {
  return Range(app_, sheet_, areas_, View::Cells);
}

long long Range::Count() const {
  long long n = 0;
  for (const CellRange& a : areas_)
    n += view_ == View::Rows      ? a.rowCount()
         : view_ == View::Columns ? a.columnCount()
                                  : a.cellCount();
  return n;
}

Range Range::Item(int index) const {
  const CellRange& a = areas_.front();
  if (index < 1) throw Error("Application-defined or object-defined error");
  CellRange r;
  if (view_ == View::Rows)
    r = CellRange::of(a.first.row + index - 1, a.first.column, a.first.row + index - 1,
                      a.last.column);
  else if (view_ == View::Columns)
    r = CellRange::of(a.first.row, a.first.column + index - 1, a.last.row,
                      a.first.column + index - 1);
  else
    r = CellRange::of({a.first.row + (index - 1) / a.columnCount(),
                       a.first.column + (index - 1) % a.columnCount()});
  if (r.last.row > kMaxRows || r.last.column > kMaxColumns)
    throw Error("Application-defined or object-defined error");
  return Range(app_, sheet_, {r});
}

Range Range::Item(int row, int column) const {
  const CellAddress a{areas_.front().first.row + row - 1, areas_.front().first.column + column - 1};
  if (a.row < 1 || a.row > kMaxRows || a.column < 1 || a.column > kMaxColumns)
    throw Error("Application-defined or object-defined error");
  return Range(app_, sheet_, {CellRange::of(a)});
}

Range Range::Areas(int index) const {
  if (index < 1 || index > AreasCount()) throw Error("Subscript out of range");
  return Range(app_, sheet_, {areas_[static_cast<std::size_t>(index - 1)]});
}

int Range::Row() const {
  return areas_.front().first.row;
}
int Range::Column() const {
  return areas_.front().first.column;
}

std::string Range::Address() const {
  std::string text;
  for (const CellRange& a : areas_) {
    if (!text.empty()) text += ",";
    text += rangeText(a);
  }
  return text;
}

}  // namespace spreadsheet::api
