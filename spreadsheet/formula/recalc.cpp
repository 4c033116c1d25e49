// Recalculation: formula cells form a graph by the cells their references
// (and the names they use) cover. Strongly connected parts are found without
// recursion (Tarjan's method with an explicit stack) and come out with every
// part they depend on already finished, so each formula is evaluated exactly
// once, after its inputs. Cells on a cycle get #VALUE!.
#include <algorithm>
#include <vector>

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/workbook.h"

namespace spreadsheet::formula {
namespace {

// How far a chain of names naming names is followed when collecting inputs.
constexpr int kMaxNameDepth = 32;

struct FormulaCell {
  Worksheet* sheet;
  CellAddress at;
  Cell* cell;
};

class Graph {
 public:
  explicit Graph(Workbook& book) : book_(book) {
    sheets_.resize(book.sheetCount());
    for (std::size_t s = 0; s < book.sheetCount(); ++s) {
      Worksheet& sheet = book.sheet(s);
      sheets_[s].base = static_cast<int>(nodes_.size());
      for (auto& [at, cell] : sheet.cells()) {
        if (!cell.formula) continue;
        sheets_[s].addresses.push_back(at);
        nodes_.push_back({&sheet, at, &cell});
      }
    }
    offsets_.reserve(nodes_.size() + 1);
    for (std::size_t v = 0; v < nodes_.size(); ++v) {
      offsets_.push_back(edges_.size());
      const FormulaCell& n = nodes_[v];
      collect(*n.cell->formula, *n.sheet, 0);
    }
    offsets_.push_back(edges_.size());
  }

  std::size_t size() const { return nodes_.size(); }
  const FormulaCell& node(std::size_t v) const { return nodes_[v]; }
  const int* edgesBegin(std::size_t v) const { return edges_.data() + offsets_[v]; }
  const int* edgesEnd(std::size_t v) const { return edges_.data() + offsets_[v + 1]; }

 private:
  struct SheetFormulas {
    int base = 0;
    std::vector<CellAddress> addresses;  // row-major, as the sheet stores cells
  };

  void collect(const FormulaNode& node, const Worksheet& sheet, int nameDepth) {
    if (node.kind == FormulaKind::Cell || node.kind == FormulaKind::Area) {
      const Worksheet* target = node.sheet.empty() ? &sheet : book_.findSheet(node.sheet);
      if (!target) return;
      CellRange range{{node.first.row, node.first.column},
                      node.kind == FormulaKind::Cell ? CellAddress{node.first.row, node.first.column}
                                                     : CellAddress{node.last.row, node.last.column}};
      addEdges(static_cast<std::size_t>(book_.sheetIndex(*target)), range);
    } else if (node.kind == FormulaKind::Name && nameDepth < kMaxNameDepth) {
      const Worksheet* scope = node.sheet.empty() ? &sheet : book_.findSheet(node.sheet);
      if (!scope) return;
      const DefinedName* name = book_.findName(node.text, book_.sheetIndex(*scope) + 1);
      if (!name) name = book_.findName(node.text, 0);
      if (name) collect(name->formula, sheet, nameDepth + 1);
    }
    for (const FormulaNode& child : node.children) collect(child, sheet, nameDepth);
  }

  // Every formula cell of the sheet inside `range` becomes an input.
  void addEdges(std::size_t sheetIndex, const CellRange& range) {
    const SheetFormulas& f = sheets_[sheetIndex];
    const auto& a = f.addresses;
    auto it = std::lower_bound(a.begin(), a.end(), range.first);
    while (it != a.end() && it->row <= range.last.row) {
      if (it->column < range.first.column) {
        it = std::lower_bound(it, a.end(), CellAddress{it->row, range.first.column});
      } else if (it->column > range.last.column) {
        it = std::lower_bound(it, a.end(), CellAddress{it->row + 1, range.first.column});
      } else {
        edges_.push_back(f.base + static_cast<int>(it - a.begin()));
        ++it;
      }
    }
  }

  Workbook& book_;
  std::vector<SheetFormulas> sheets_;
  std::vector<FormulaCell> nodes_;
  std::vector<std::size_t> offsets_;
  std::vector<int> edges_;
};

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
    const int* next;
  };

  void open(int v, std::vector<Frame>& frames) {
    index_[v] = low_[v] = counter_++;
    stack_.push_back(v);
    onStack_[v] = true;
    frames.push_back({v, g_.edgesBegin(v)});
  }

  void visit(int root) {
    std::vector<Frame> frames;
    open(root, frames);
    while (!frames.empty()) {
      Frame& f = frames.back();
      if (f.next != g_.edgesEnd(f.v)) {
        int w = *f.next++;
        if (index_[w] < 0) {
          open(w, frames);  // invalidates f
        } else if (onStack_[w]) {
          low_[f.v] = std::min(low_[f.v], index_[w]);
        }
        continue;
      }
      int v = f.v;
      frames.pop_back();
      if (!frames.empty()) low_[frames.back().v] = std::min(low_[frames.back().v], low_[v]);
      if (low_[v] == index_[v]) finish(v);
    }
  }

  // The part headed by v is complete: every part it uses is already computed.
  void finish(int v) {
    auto first = std::find(stack_.rbegin(), stack_.rend(), v).base() - 1;
    std::vector<int> part(first, stack_.end());
    stack_.erase(first, stack_.end());
    for (int w : part) onStack_[w] = false;
    bool cyclic = part.size() > 1 || std::find(g_.edgesBegin(v), g_.edgesEnd(v), v) != g_.edgesEnd(v);
    for (int w : part) {
      const FormulaCell& n = g_.node(static_cast<std::size_t>(w));
      n.cell->value = cyclic ? CellValue(ErrorCode::Value) : evaluate(*n.cell->formula, *n.sheet, n.at);
    }
  }

  const Graph& g_;
  std::vector<int> index_;
  std::vector<int> low_;
  std::vector<bool> onStack_;
  std::vector<int> stack_;
  int counter_ = 0;
};

}  // namespace

void recalculate(Workbook& book) {
  Graph graph(book);
  Recalculation(graph).run();
}

}  // namespace spreadsheet::formula
