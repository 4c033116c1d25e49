// Recalculation: formula cells form a graph by the cells their references
// (and the names they use) cover. Strongly connected parts are found without
// recursion (Tarjan's method with an explicit stack) and come out with every
// part they read already finished, so each formula is evaluated exactly once,
// after its inputs. Cells on a cycle get #VALUE!.
#include <algorithm>
#include <utility>
#include <vector>

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/workbook.h"

namespace spreadsheet::formula {
namespace {

struct FormulaCell {
  Worksheet* sheet;
  CellAddress at;
  Cell* cell;
  std::size_t sheetIndex;
};

// The formula cells of the workbook and, on request, the formula cells one
// of them reads.
class Graph {
 public:
  explicit Graph(Workbook& book) : book_(book) {
    sheets_.resize(book.sheetCount());
    for (std::size_t s = 0; s < book.sheetCount(); ++s) {
      Worksheet& sheet = book.sheet(s);
      SheetFormulas& f = sheets_[s];
      f.base = static_cast<int>(nodes_.size());
      for (auto&& [at, cell] : sheet.cells()) {
        if (!cell.formula) continue;
        f.addresses.push_back(at);
        nodes_.push_back({&sheet, at, &cell, s});
      }
      f.indexRows();
    }
  }

  std::size_t size() const { return nodes_.size(); }
  const FormulaCell& node(std::size_t v) const { return nodes_[v]; }

  // Appends the formula cells that node v reads to `out`.
  void inputs(std::size_t v, std::vector<int>& out) {
    const FormulaCell& n = nodes_[v];
    names_.clear();
    Walk walk{*n.sheet, n.sheetIndex, out};
    collect(*std::as_const(*n.cell).formula, walk, 0);
  }

 private:
  // The formula cells of one sheet in row-major order (as the sheet stores
  // cells), with where each row's cells begin among them.
  struct SheetFormulas {
    int base = 0;
    std::vector<CellAddress> addresses;
    int firstRow = 1;
    std::vector<int> rowStart;  // [r - firstRow]: the first address at row r or below

    void indexRows() {
      if (addresses.empty()) return;
      firstRow = addresses.front().row;
      const int rows = addresses.back().row - firstRow + 1;
      rowStart.assign(static_cast<std::size_t>(rows) + 1, 0);
      std::size_t i = 0;
      for (int r = 0; r <= rows; ++r) {
        while (i < addresses.size() && addresses[i].row < firstRow + r) ++i;
        rowStart[static_cast<std::size_t>(r)] = static_cast<int>(i);
      }
    }
    int lastRow() const { return firstRow + static_cast<int>(rowStart.size()) - 2; }
  };

  struct Walk {
    const Worksheet& sheet;
    std::size_t sheetIndex;
    std::vector<int>& out;
  };

  // Names already followed for the formula being walked count once. Chains
  // deeper than evaluation follows are not followed either.
  void collect(const FormulaNode& node, const Walk& walk, std::size_t nameDepth) {
    if (node.kind == FormulaKind::Cell || node.kind == FormulaKind::Area) {
      std::size_t target = walk.sheetIndex;
      if (!node.sheet.empty()) {
        const Worksheet* qualified = book_.findSheet(node.sheet);
        if (!qualified) return;
        target = static_cast<std::size_t>(book_.sheetIndex(*qualified));
      }
      CellAddress first{node.first.row, node.first.column};
      CellAddress last =
          node.kind == FormulaKind::Cell ? first : CellAddress{node.last.row, node.last.column};
      addInputs(target, {first, last}, walk.out);
      return;
    }
    if (node.kind == FormulaKind::Name) {
      const DefinedName* name = lookUpName(node, walk.sheet);
      if (name && nameDepth < kMaxNameDepth &&
          std::find(names_.begin(), names_.end(), name) == names_.end()) {
        names_.push_back(name);
        collect(name->formula, walk, nameDepth + 1);
      }
    }
    for (const FormulaNode& child : node.children) collect(child, walk, nameDepth);
  }

  // Every formula cell of the sheet inside `range` is an input, in row-major order.
  void addInputs(std::size_t sheetIndex, const CellRange& range, std::vector<int>& out) const {
    const SheetFormulas& f = sheets_[sheetIndex];
    if (f.addresses.empty()) return;
    const auto& a = f.addresses;
    const int top = std::max(range.first.row, f.firstRow);
    const int bottom = std::min(range.last.row, f.lastRow());
    for (int r = top; r <= bottom; ++r) {
      const auto row = static_cast<std::size_t>(r - f.firstRow);
      const auto end = a.begin() + f.rowStart[row + 1];
      auto it = std::lower_bound(a.begin() + f.rowStart[row], end, range.first.column,
                                 [](CellAddress x, int column) { return x.column < column; });
      for (; it != end && it->column <= range.last.column; ++it)
        out.push_back(f.base + static_cast<int>(it - a.begin()));
    }
  }

  Workbook& book_;
  std::vector<SheetFormulas> sheets_;
  std::vector<FormulaCell> nodes_;
  std::vector<const DefinedName*> names_;
};

// Inputs are collected when the walk reaches a formula and the formula is
// evaluated as soon as its part is complete, so each tree is read twice in
// quick succession while it is still in the cache.
class Recalculation {
 public:
  explicit Recalculation(Graph& g)
      : g_(g), index_(g.size(), -1), low_(g.size(), 0), onStack_(g.size(), false) {}

  void run() {
    for (std::size_t v = 0; v < g_.size(); ++v)
      if (index_[v] < 0) visit(static_cast<int>(v));
  }

 private:
  struct Frame {
    int v;
    std::size_t begin, end, next;  // this formula's inputs in inputs_
  };

  void open(int v) {
    index_[v] = low_[v] = counter_++;
    stack_.push_back(v);
    onStack_[v] = true;
    std::size_t begin = inputs_.size();
    g_.inputs(static_cast<std::size_t>(v), inputs_);
    frames_.push_back({v, begin, inputs_.size(), begin});
  }

  void visit(int root) {
    open(root);
    while (!frames_.empty()) {
      Frame& f = frames_.back();
      if (f.next != f.end) {
        int w = inputs_[f.next++];
        if (index_[w] < 0) {
          open(w);  // invalidates f
        } else if (onStack_[w]) {
          low_[f.v] = std::min(low_[f.v], index_[w]);
        }
        continue;
      }
      Frame done = f;
      if (low_[done.v] == index_[done.v]) finish(done);
      inputs_.resize(done.begin);
      frames_.pop_back();
      if (!frames_.empty()) low_[frames_.back().v] = std::min(low_[frames_.back().v], low_[done.v]);
    }
  }

  // The part headed by f.v is complete: every part it reads is computed.
  void finish(const Frame& f) {
    auto first = std::find(stack_.rbegin(), stack_.rend(), f.v).base() - 1;
    bool cyclic = stack_.end() - first > 1 ||
                  std::find(inputs_.begin() + static_cast<std::ptrdiff_t>(f.begin),
                            inputs_.begin() + static_cast<std::ptrdiff_t>(f.end),
                            f.v) != inputs_.begin() + static_cast<std::ptrdiff_t>(f.end);
    for (auto it = first; it != stack_.end(); ++it) {
      onStack_[*it] = false;
      const FormulaCell& n = g_.node(static_cast<std::size_t>(*it));
      n.cell->value = cyclic ? CellValue(ErrorCode::Value)
                             : evaluate(*std::as_const(*n.cell).formula, *n.sheet, n.at);
    }
    stack_.erase(first, stack_.end());
  }

  Graph& g_;
  std::vector<int> index_;
  std::vector<int> low_;
  std::vector<bool> onStack_;
  std::vector<int> stack_;
  std::vector<Frame> frames_;
  std::vector<int> inputs_;
  int counter_ = 0;
};

}  // namespace

void recalculate(Workbook& book) {
  Graph graph(book);
  Recalculation(graph).run();
}

}  // namespace spreadsheet::formula
