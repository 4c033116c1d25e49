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
};

// The formula cells of the workbook and, on request, the formula cells one
// of them reads.
class Graph {
 public:
  explicit Graph(Workbook& book) : book_(book) {
    sheets_.resize(book.sheetCount());
    for (std::size_t s = 0; s < book.sheetCount(); ++s) {
      Worksheet& sheet = book.sheet(s);
      sheets_[s].base = static_cast<int>(nodes_.size());
      for (auto&& [at, cell] : sheet.cells()) {
        if (!cell.formula) continue;
        sheets_[s].addresses.push_back(at);
        nodes_.push_back({&sheet, at, &cell});
      }
    }
  }

  std::size_t size() const { return nodes_.size(); }
  const FormulaCell& node(std::size_t v) const { return nodes_[v]; }

  // Appends the formula cells that node v reads to `out`.
  void inputs(std::size_t v, std::vector<int>& out) const {
    const FormulaCell& n = nodes_[v];
    std::vector<const DefinedName*> names;
    collect(*std::as_const(*n.cell).formula, *n.sheet, 0, names, out);
  }

 private:
  struct SheetFormulas {
    int base = 0;
    std::vector<CellAddress> addresses;  // row-major, as the sheet stores cells
  };

  // `names` holds the names already followed for this formula: each counts
  // once. Chains deeper than evaluation follows are not followed either.
  void collect(const FormulaNode& node, const Worksheet& sheet, std::size_t nameDepth,
               std::vector<const DefinedName*>& names, std::vector<int>& out) const {
    if (node.kind == FormulaKind::Cell || node.kind == FormulaKind::Area) {
      const Worksheet* target = node.sheet.empty() ? &sheet : book_.findSheet(node.sheet);
      if (!target) return;
      CellAddress first{node.first.row, node.first.column};
      CellAddress last =
          node.kind == FormulaKind::Cell ? first : CellAddress{node.last.row, node.last.column};
      addInputs(static_cast<std::size_t>(book_.sheetIndex(*target)), {first, last}, out);
    } else if (node.kind == FormulaKind::Name) {
      const DefinedName* name = lookUpName(node, sheet);
      if (name && nameDepth < kMaxNameDepth &&
          std::find(names.begin(), names.end(), name) == names.end()) {
        names.push_back(name);
        collect(name->formula, sheet, nameDepth + 1, names, out);
      }
    }
    for (const FormulaNode& child : node.children) collect(child, sheet, nameDepth, names, out);
  }

  // Every formula cell of the sheet inside `range` is an input.
  void addInputs(std::size_t sheetIndex, const CellRange& range, std::vector<int>& out) const {
    const SheetFormulas& f = sheets_[sheetIndex];
    const auto& a = f.addresses;
    auto it = std::lower_bound(a.begin(), a.end(), range.first);
    while (it != a.end() && it->row <= range.last.row) {
      if (it->column < range.first.column) {
        it = std::lower_bound(it, a.end(), CellAddress{it->row, range.first.column});
      } else if (it->column > range.last.column) {
        it = std::lower_bound(it, a.end(), CellAddress{it->row + 1, range.first.column});
      } else {
        out.push_back(f.base + static_cast<int>(it - a.begin()));
        ++it;
      }
    }
  }

  Workbook& book_;
  std::vector<SheetFormulas> sheets_;
  std::vector<FormulaCell> nodes_;
};

// Inputs are collected when the walk reaches a formula and the formula is
// evaluated as soon as its part is complete, so each tree is read twice in
// quick succession while it is still in the cache.
class Recalculation {
 public:
  explicit Recalculation(const Graph& g)
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

  const Graph& g_;
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
