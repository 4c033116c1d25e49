#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "spreadsheet/edit/borders.h"
#include "spreadsheet/edit/format.h"
#include "spreadsheet/model/workbook.h"

namespace spreadsheet::edit {

namespace {

// The styles of two neighbouring rows over a span of columns, as
// Worksheet::styleAt gives them (the cell's own, else its row's, its
// column's, the sheet's), laid out once per row pair: a join looks at three
// cells per edge, and a search of the whole store for each was most of its
// cost.
class RowPairStyles {
 public:
  RowPairStyles(const Worksheet& sheet, int firstColumn, int lastColumn)
      : sheet_(sheet),
        sheetStyle_(sheet.sheetStyle().value_or(0)),
        first_(firstColumn),
        last_(lastColumn) {
    for (const auto& [index, info] : sheet.lines(Axis::Columns))
      if (info.style && index >= firstColumn && index <= lastColumn)
        columns_.emplace_back(index, *info.style);
    if (laidOut())
      for (auto& row : styles_) row.resize(static_cast<std::size_t>(lastColumn - firstColumn + 1));
  }

  // Up to this many columns the styles are laid out in arrays; wider spans
  // (a used range out to the last columns) are looked up cell by cell.
  static constexpr int kLaidOutColumns = 512;
  bool laidOut() const { return last_ - first_ < kLaidOutColumns; }

  // Rows `row` and `row + 1`; laid out again after any cell of them changed.
  void moveTo(int row) {
    row_ = row;
    const auto& rowLines = sheet_.lines(Axis::Rows);
    for (int i = 0; i < 2; ++i) {
      const auto lines = sheet_.cells().rows(row + i, row + i);
      cells_[i] = lines.empty() ? nullptr : &lines.front().cells;
      const auto it = rowLines.find(row + i);
      rowStyle_[i] = it != rowLines.end() ? it->second.style : std::nullopt;
      if (laidOut()) layOut(i);
    }
  }

  // `below` picks row + 1; `column` lies in the span.
  StyleId at(bool below, int column) const {
    if (laidOut()) return styles_[below][static_cast<std::size_t>(column - first_)];
    if (const CellStore::Row* cells = cells_[below]) {
      const auto it = cells->find(column);
      if (it != cells->end()) return it->second.style;
    }
    if (rowStyle_[below]) return *rowStyle_[below];
    const auto it = std::lower_bound(columns_.begin(), columns_.end(), column,
                                     [](const auto& c, int x) { return c.first < x; });
    return it != columns_.end() && it->first == column ? it->second : sheetStyle_;
  }
  // The row's own format, else the sheet's: what a cell shows that is
  // neither stored nor in a formatted column.
  StyleId lineStyle(bool below) const { return rowStyle_[below].value_or(sheetStyle_); }
  const CellStore::Row* cells(bool below) const { return cells_[below]; }
  const std::vector<std::pair<int, StyleId>>& formattedColumns() const { return columns_; }
  int row() const { return row_; }

 private:
  void layOut(int i) {
    std::vector<StyleId>& out = styles_[i];
    std::fill(out.begin(), out.end(), rowStyle_[i].value_or(sheetStyle_));
    if (!rowStyle_[i])
      for (const auto& [column, style] : columns_)
        out[static_cast<std::size_t>(column - first_)] = style;
    if (!cells_[i]) return;
    for (auto it = cells_[i]->lower_bound(first_); it != cells_[i]->end() && it->first <= last_;
         ++it)
      out[static_cast<std::size_t>(it->first - first_)] = it->second.style;
  }

  const Worksheet& sheet_;
  StyleId sheetStyle_;
  int first_, last_;
  std::vector<std::pair<int, StyleId>> columns_;  // formatted columns, ascending
  int row_ = 0;
  const CellStore::Row* cells_[2] = {nullptr, nullptr};
  std::optional<StyleId> rowStyle_[2];
  std::vector<StyleId> styles_[2];  // by column - first_
};

// Joins the edges of one row pair: the right edge of each listed column in
// the upper row and the bottom edge it shares with the row below.
class EdgeJoiner {
 public:
  EdgeJoiner(Worksheet& sheet, RowPairStyles& styles)
      : sheet_(sheet), book_(sheet.workbook()), styles_(styles) {}

  void joinAt(int column) {
    join(false, column, kRight, false, column + 1, kLeft);
    join(false, column, kBottom, true, column, kTop);
  }

 private:
  Border slot(bool below, int column, int slot) const {
    return book_.styles().get(styles_.at(below, column)).borders[static_cast<std::size_t>(slot)];
  }
  void set(bool below, int column, int slotIndex, const Border& border) {
    if (slot(below, column, slotIndex) == border) return;
    const CellAddress a{styles_.row() + (below ? 1 : 0), column};
    applyFormat(sheet_, CellRange{a, a},
                [&](Style& s) { s.borders[static_cast<std::size_t>(slotIndex)] = border; });
    styles_.moveTo(styles_.row());  // the store may have moved the rows
  }
  // Each join reads and writes only the two slots of its own edge.
  void join(bool belowA, int a, int slotA, bool belowB, int b, int slotB) {
    const Border first = slot(belowA, a, slotA), second = slot(belowB, b, slotB);
    if (first == second) return;
    const Border shown = shownBorder(book_, first, second);
    set(belowA, a, slotA, shown);
    set(belowB, b, slotB, shown);
  }

  Worksheet& sheet_;
  const Workbook& book_;
  RowPairStyles& styles_;
};

// The columns of a row pair that may hold an edge not yet joined when the
// pair's row formats agree with themselves: those at stored cells and at
// formatted columns (a cell meets its left and right neighbours and the one
// below; a cell of the lower row meets the one above).
void columnsToLook(const RowPairStyles& styles, int c1, int c2, std::vector<int>& columns) {
  columns.clear();
  auto add = [&](int c) {
    if (c >= c1 && c <= c2) columns.push_back(c);
  };
  for (const auto& [c, style] : styles.formattedColumns()) {
    add(c - 1);
    add(c);
  }
  for (bool below : {false, true}) {
    const CellStore::Row* cells = styles.cells(below);
    if (!cells) continue;
    const int last = below ? c2 : c2 + 1;
    for (auto it = cells->lower_bound(c1); it != cells->end() && it->first <= last; ++it) {
      if (!below) add(it->first - 1);
      add(it->first);
    }
  }
  std::sort(columns.begin(), columns.end());
  columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
}

}  // namespace

void joinSharedEdges(Worksheet& sheet, const CellRange& area) {
  const Workbook& book = sheet.workbook();
  const int r1 = std::max(1, area.first.row - 1), c1 = std::max(1, area.first.column - 1);
  const int r2 = std::min(kMaxRows - 1, area.last.row + 1);
  const int c2 = std::min(kMaxColumns - 1, area.last.column + 1);
  // Where neither cell is stored nor in a formatted column, both show their
  // row's format (else the sheet's); when its right line agrees with its
  // left and its bottom with the next row's top, those edges are joined
  // already and only the columns at stored cells and formatted columns need
  // a look. Columns go in ascending order, as in a scan of every column, so
  // new styles are interned in the same order.
  auto borderOfStyle = [&](StyleId id, int slot) {
    return book.styles().get(id).borders[static_cast<std::size_t>(slot)];
  };
  RowPairStyles styles(sheet, c1, c2 + 1);
  EdgeJoiner joiner(sheet, styles);
  std::vector<int> columns;
  for (int r = r1; r <= r2; ++r) {
    styles.moveTo(r);
    const StyleId here = styles.lineStyle(false), below = styles.lineStyle(true);
    // With the styles laid out, looking at every column costs less than
    // finding the few that need a look; both join the same edges.
    if (styles.laidOut() || borderOfStyle(here, kRight) != borderOfStyle(here, kLeft) ||
        borderOfStyle(here, kBottom) != borderOfStyle(below, kTop)) {
      for (int c = c1; c <= c2; ++c) joiner.joinAt(c);
      continue;
    }
    columnsToLook(styles, c1, c2, columns);
    for (int c : columns) joiner.joinAt(c);
  }
}

}  // namespace spreadsheet::edit
