#include "spreadsheet/formula/criteria.h"

#include <cctype>

#include "spreadsheet/formula/coercion.h"

namespace spreadsheet::formula {
namespace {

bool sameChar(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

}  // namespace

bool wildcardMatch(std::string_view pattern, std::string_view text) {
  // Greedy match with one backtrack point at the last '*': linear in practice.
  std::size_t p = 0, t = 0;
  std::size_t starP = std::string_view::npos, starT = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = ++p;
      starT = t;
      continue;
    }
    if (p < pattern.size()) {
      bool escaped = pattern[p] == '~' && p + 1 < pattern.size();
      char c = escaped ? pattern[p + 1] : pattern[p];
      if ((!escaped && c == '?') || sameChar(c, text[t])) {
        p += escaped ? 2 : 1;
        ++t;
        continue;
      }
    }
    if (starP == std::string_view::npos) return false;
    p = starP;
    t = ++starT;
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

Criterion::Criterion(const CellValue& criterion) {
  if (criterion.isEmpty()) {
    operand_ = 0.0;  // an empty criterion cell reads as 0
    return;
  }
  if (!criterion.isText()) {
    operand_ = criterion;
    return;
  }
  std::string_view s = criterion.text();
  static constexpr std::pair<std::string_view, Op> kOps[] = {
      {"<>", Op::NotEqual}, {"<=", Op::LessEqual}, {">=", Op::GreaterEqual},
      {"<", Op::Less},      {">", Op::Greater},    {"=", Op::Equal}};
  for (auto [text, op] : kOps) {
    if (s.substr(0, text.size()) == text) {
      op_ = op;
      s.remove_prefix(text.size());
      break;
    }
  }
  if (auto n = numberFromText(s)) {
    operand_ = *n;
  } else if (compareText(s, "TRUE") == 0 || compareText(s, "FALSE") == 0) {
    operand_ = compareText(s, "TRUE") == 0;
  } else if (auto e = errorFromText(s)) {
    operand_ = *e;
  } else {
    operand_ = std::string(s);
  }
}

bool Criterion::matches(const CellValue& cell) const {
  switch (op_) {
    case Op::Equal:
      return equals(cell);
    case Op::NotEqual:
      return !equals(cell);
    default:
      return ordered(cell);
  }
}

bool Criterion::equals(const CellValue& cell) const {
  if (operand_.isNumber()) {
    if (cell.isNumber()) return cell.number() == operand_.number();
    // Text that reads as the same number matches too.
    auto n = cell.isText() ? numberFromText(cell.text()) : std::nullopt;
    return n && *n == operand_.number();
  }
  if (operand_.isText()) {
    if (operand_.text().empty()) return cell.isEmpty() || (cell.isText() && cell.text().empty());
    return cell.isText() && wildcardMatch(operand_.text(), cell.text());
  }
  return cell == operand_;  // truth values and errors match exactly
}

bool Criterion::ordered(const CellValue& cell) const {
  bool sameKind = (operand_.isNumber() && cell.isNumber()) ||
                  (operand_.isText() && cell.isText()) ||
                  (operand_.isBoolean() && cell.isBoolean());
  if (!sameKind) return false;
  int order = compareValues(cell, operand_);
  switch (op_) {
    case Op::Less:
      return order < 0;
    case Op::LessEqual:
      return order <= 0;
    case Op::Greater:
      return order > 0;
    case Op::GreaterEqual:
      return order >= 0;
    default:
      return false;
  }
}

}  // namespace spreadsheet::formula
