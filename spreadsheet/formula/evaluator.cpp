#include "spreadsheet/formula/evaluator.h"

#include <algorithm>
#include <cmath>

#include "spreadsheet/formula/coercion.h"
#include "spreadsheet/formula/functions.h"
#include "spreadsheet/model/workbook.h"

namespace spreadsheet::formula {
namespace {

// Deeper trees evaluate to #VALUE! instead of exhausting the stack. Formula
// text is at most 8,192 characters, so a tree from text stays well within.
constexpr int kMaxDepth = 5000;

const CellValue kEmpty;

struct DepthGuard {
  explicit DepthGuard(int& d) : depth(++d) {}
  ~DepthGuard() { --depth; }
  int& depth;
};

CellValue arithmetic(const std::string& op, double a, double b) {
  switch (op[0]) {
    case '+':
      return numberResult(a + b);
    case '-':
      return numberResult(a - b);
    case '*':
      return numberResult(a * b);
    case '/':
      return b == 0 ? CellValue(ErrorCode::Div0) : numberResult(a / b);
    case '^':
      if (a == 0 && b == 0) return ErrorCode::Num;
      if (a == 0 && b < 0) return ErrorCode::Div0;
      return numberResult(std::pow(a, b));
  }
  return ErrorCode::Value;
}

bool comparisonHolds(const std::string& op, int order) {
  if (op == "=") return order == 0;
  if (op == "<>") return order != 0;
  if (op == "<") return order < 0;
  if (op == "<=") return order <= 0;
  if (op == ">") return order > 0;
  return order >= 0;  // ">="
}

}  // namespace

const CellValue& Context::cellValue(const Worksheet& sheet, CellAddress a) {
  const Cell* cell = sheet.find(a);
  return cell ? cell->value : kEmpty;
}

Operand Context::operand(const FormulaNode& node) {
  DepthGuard guard(depth_);
  if (depth_ > kMaxDepth) return CellValue(ErrorCode::Value);
  switch (node.kind) {
    case FormulaKind::Number:
      return CellValue(node.number);
    case FormulaKind::Text:
      return CellValue(node.text);
    case FormulaKind::Boolean:
      return CellValue(node.boolean);
    case FormulaKind::Error:
      return CellValue(node.error);
    case FormulaKind::Missing:
      return CellValue();
    case FormulaKind::Cell:
    case FormulaKind::Area:
      return reference(node);
    case FormulaKind::RefError:
      return CellValue(ErrorCode::Ref);
    case FormulaKind::Name:
      return name(node);
    case FormulaKind::Function: {
      Function fn = findFunction(node.text);
      return fn ? fn(*this, node.children) : CellValue(ErrorCode::Name);
    }
    case FormulaKind::Unary:
    case FormulaKind::Percent:
      return unary(node);
    case FormulaKind::Binary:
      return binary(node);
    case FormulaKind::Parentheses:
      return node.children.empty() ? Operand(CellValue(ErrorCode::Value))
                                   : operand(node.children[0]);
  }
  return CellValue(ErrorCode::Value);
}

CellValue Context::value(const FormulaNode& node) {
  return scalar(operand(node));
}

CellValue Context::scalar(const Operand& op) const {
  if (const CellValue* v = std::get_if<CellValue>(&op)) return *v;
  const Area& area = std::get<Area>(op);
  const CellRange& r = area.range;
  if (r.isSingleCell()) return cellValue(*area.sheet, r.first);
  // Implicit intersection: a one-column area meets the formula's row, a
  // one-row area its column.
  if (r.columnCount() == 1 && at_.row >= r.first.row && at_.row <= r.last.row)
    return cellValue(*area.sheet, {at_.row, r.first.column});
  if (r.rowCount() == 1 && at_.column >= r.first.column && at_.column <= r.last.column)
    return cellValue(*area.sheet, {r.first.row, at_.column});
  return ErrorCode::Value;
}

Operand Context::reference(const FormulaNode& node) {
  const Worksheet* target = &sheet_;
  if (!node.sheet.empty()) {
    target = sheet_.workbook().findSheet(node.sheet);
    if (!target) return CellValue(ErrorCode::Ref);
  }
  CellAddress a{node.first.row, node.first.column};
  if (node.kind == FormulaKind::Cell) return Area{target, CellRange::of(a)};
  return Area{target, CellRange{a, {node.last.row, node.last.column}}};
}

Operand Context::name(const FormulaNode& node) {
  bool missingSheet = false;
  const DefinedName* defined = lookUpName(node, sheet_, &missingSheet);
  if (missingSheet) return CellValue(ErrorCode::Ref);
  if (!defined) return CellValue(ErrorCode::Name);
  for (const auto& [known, value] : nameValues_)
    if (known == defined) return value;
  if (expanding_.size() >= kMaxNameDepth ||
      std::find(expanding_.begin(), expanding_.end(), defined) != expanding_.end())
    return CellValue(ErrorCode::Value);
  expanding_.push_back(defined);
  Operand value = operand(defined->formula);
  expanding_.pop_back();
  nameValues_.emplace_back(defined, value);
  return value;
}

const DefinedName* lookUpName(const FormulaNode& node, const Worksheet& sheet, bool* missingSheet) {
  const Workbook& book = sheet.workbook();
  const Worksheet* scope = &sheet;
  if (!node.sheet.empty()) scope = book.findSheet(node.sheet);
  if (missingSheet) *missingSheet = scope == nullptr;
  if (!scope) return nullptr;
  const DefinedName* defined = book.findName(node.text, book.sheetIndex(*scope) + 1);
  return defined ? defined : book.findName(node.text, 0);
}

CellValue Context::unary(const FormulaNode& node) {
  if (node.children.empty()) return ErrorCode::Value;
  CellValue v = value(node.children[0]);
  if (node.kind == FormulaKind::Unary && node.text == "+") return v;
  NumberOrError n = toNumber(v);
  if (const ErrorCode* e = std::get_if<ErrorCode>(&n)) return *e;
  double x = std::get<double>(n);
  return numberResult(node.kind == FormulaKind::Percent ? x / 100 : -x);
}

CellValue Context::binary(const FormulaNode& node) {
  if (node.children.size() != 2) return ErrorCode::Value;
  CellValue a = value(node.children[0]);
  CellValue b = value(node.children[1]);
  if (a.isError()) return a;
  if (b.isError()) return b;
  const std::string& op = node.text;
  if (op == "&") return a.toText() + b.toText();
  if (op == "=" || op == "<>" || op == "<" || op == "<=" || op == ">" || op == ">=")
    return comparisonHolds(op, compareValues(a, b));
  NumberOrError x = toNumber(a);
  if (const ErrorCode* e = std::get_if<ErrorCode>(&x)) return *e;
  NumberOrError y = toNumber(b);
  if (const ErrorCode* e = std::get_if<ErrorCode>(&y)) return *e;
  return arithmetic(op, std::get<double>(x), std::get<double>(y));
}

void Context::forEachValue(const std::vector<FormulaNode>& args,
                           const std::function<bool(const CellValue&, bool)>& visit) {
  for (const FormulaNode& arg : args) {
    Operand op = operand(arg);
    if (const CellValue* v = std::get_if<CellValue>(&op)) {
      if (!visit(*v, false)) return;
      continue;
    }
    const Area& area = std::get<Area>(op);
    bool go = true;
    forEachStoredCell(*area.sheet, area.range, [&](CellAddress, const Cell& cell) {
      if (!cell.value.isEmpty()) go = visit(cell.value, true);
      return go;
    });
    if (!go) return;
  }
}

void forEachStoredCell(const Worksheet& sheet, const CellRange& range,
                       const std::function<bool(CellAddress, const Cell&)>& visit) {
  const auto& cells = sheet.cells();
  auto it = cells.lower_bound(range.first);
  while (it != cells.end() && it->first.row <= range.last.row) {
    CellAddress a = it->first;
    if (a.column < range.first.column) {
      it = cells.lower_bound({a.row, range.first.column});
    } else if (a.column > range.last.column) {
      it = cells.lower_bound({a.row + 1, range.first.column});
    } else {
      if (!visit(a, it->second)) return;
      ++it;
    }
  }
}

CellValue evaluate(const FormulaNode& root, const Worksheet& sheet, CellAddress at) {
  Context ctx(sheet, at);
  CellValue v = ctx.value(root);
  if (v.isEmpty()) return 0.0;  // a formula showing an empty cell shows 0
  return v;
}

}  // namespace spreadsheet::formula
