#pragma once
#include <cstddef>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <type_traits>
#include <utility>
#include <vector>

#include "spreadsheet/model/address.h"
#include "spreadsheet/model/formula_tree.h"
#include "spreadsheet/model/node_pool.h"
#include "spreadsheet/model/shared_formula.h"
#include "spreadsheet/model/style.h"
#include "spreadsheet/model/value.h"

namespace spreadsheet {

// A stored cell: its value (for a formula, the last computed result), its
// formula if any, and its own style.
struct Cell {
  CellValue value;
  SharedFormula formula;
  StyleId style = 0;
  bool isBlank() const { return value.isEmpty() && !formula; }
};

// The stored cells of a sheet, row by row: a sorted list of row numbers, each
// with its cells by column. Inserting or deleting whole rows renumbers the
// rows after them and moves no cell. Reading works as with a map keyed by
// address: cells come in row-major order as (address, cell) pairs. The
// cells' nodes come from a pool of the store's own: thousands are made,
// moved between rows and dropped at once when the sheet goes.
class CellStore {
 public:
  using Row = pmr::map<int, Cell>;  // column -> cell
  struct Line {
    int index;  // row number
    Row cells;
  };

  // The rows use the store's pool: a store is neither copied nor moved.
  CellStore() = default;
  CellStore(const CellStore&) = delete;
  CellStore& operator=(const CellStore&) = delete;

  template <bool Const>
  class Iterator;
  using iterator = Iterator<false>;
  using const_iterator = Iterator<true>;

  iterator begin();
  iterator end();
  const_iterator begin() const;
  const_iterator end() const;
  bool empty() const;
  std::size_t size() const;

  Cell* get(CellAddress a);  // nullptr when none is stored
  const Cell* get(CellAddress a) const;
  iterator find(CellAddress a);
  const_iterator find(CellAddress a) const;
  // The first stored cell at or after `a` in row-major order.
  iterator lower_bound(CellAddress a);
  const_iterator lower_bound(CellAddress a) const;
  Cell& operator[](CellAddress a);  // a default cell when none is stored
  std::size_t erase(CellAddress a);

  // The rows with numbers in first..last, in order; some may hold no cell.
  std::span<Line> rows(int first = 1, int last = kMaxRows);
  std::span<const Line> rows(int first = 1, int last = kMaxRows) const;
  // Cells taken out and put back under another address, without copying.
  Row::node_type extract(CellAddress a);
  void insert(CellAddress a, Row::node_type cell);
  void dropEmptyRows();

  // Whole-row edits: every cell of rows first..last goes; rows from `from`
  // on are renumbered by `by`. The caller keeps the numbers apart (rows
  // renumbered down must not meet rows that stay).
  void eraseRows(int first, int last);
  void renumberRows(int from, int by);

 private:
  std::vector<Line>::iterator lineAt(int row);  // first line numbered row or more
  std::vector<Line>::const_iterator lineAt(int row) const;
  std::vector<Line>::iterator addLine(std::vector<Line>::iterator at, int row);
  // Declared before the rows, so it outlives them; on the heap, so a moved
  // store keeps it where its rows expect it.
  std::unique_ptr<NodePool> pool_ = std::make_unique<NodePool>();
  std::vector<Line> lines_;
};

template <bool Const>
class CellStore::Iterator {
  using Lines = std::conditional_t<Const, const std::vector<Line>, std::vector<Line>>;
  using RowIt = std::conditional_t<Const, Row::const_iterator, Row::iterator>;

 public:
  using CellRef = std::conditional_t<Const, const Cell&, Cell&>;
  using value_type = std::pair<CellAddress, CellRef>;
  using reference = value_type;
  using difference_type = std::ptrdiff_t;
  using iterator_category = std::bidirectional_iterator_tag;
  struct Arrow {
    value_type entry;
    const value_type* operator->() const { return &entry; }
  };

  Iterator() = default;
  Iterator(Lines* lines, std::size_t line, RowIt cell) : lines_(lines), line_(line), cell_(cell) {
    skipEmpty();
  }
  operator Iterator<true>() const requires(!Const) { return {lines_, line_, cell_}; }

  reference operator*() const { return {{(*lines_)[line_].index, cell_->first}, cell_->second}; }
  Arrow operator->() const { return {**this}; }
  Iterator& operator++() {
    ++cell_;
    skipEmpty();
    return *this;
  }
  Iterator operator++(int) {
    Iterator before = *this;
    ++*this;
    return before;
  }
  Iterator& operator--() {
    while (line_ == lines_->size() || cell_ == (*lines_)[line_].cells.begin()) {
      --line_;
      cell_ = (*lines_)[line_].cells.end();
    }
    --cell_;
    return *this;
  }
  friend bool operator==(const Iterator& a, const Iterator& b) {
    return a.line_ == b.line_ && (a.line_ == a.lines_->size() || a.cell_ == b.cell_);
  }

 private:
  friend class CellStore;
  // Moves past rows that hold no cell; the end is line == size.
  void skipEmpty() {
    while (line_ < lines_->size() && cell_ == (*lines_)[line_].cells.end())
      if (++line_ < lines_->size()) cell_ = (*lines_)[line_].cells.begin();
  }
  Lines* lines_ = nullptr;
  std::size_t line_ = 0;
  RowIt cell_{};
};

}  // namespace spreadsheet
