#include "spreadsheet/ods/formula_text.h"

#include <cctype>

#include "spreadsheet/model/value.h"

namespace spreadsheet::ods {

namespace {

std::string cellPart(const FormulaRef& r) {
  std::string out;
  if (!r.columnRelative) out += '$';
  out += ColumnLetters(r.column);
  if (!r.rowRelative) out += '$';
  out += std::to_string(r.row);
  return out;
}

// Which error literals OpenFormula writes as functions.
std::string errorLiteral(ErrorCode e) {
  if (e == ErrorCode::NA) return "NA()";
  return std::string(errorText(e));
}

class Printer {
 public:
  void node(const FormulaNode& x) {
    switch (x.kind) {
      case FormulaKind::Number:
        out += numberToText(x.number);
        break;
      case FormulaKind::Text:
        text(x.text);
        break;
      case FormulaKind::Boolean:
        out += x.boolean ? "TRUE()" : "FALSE()";
        break;
      case FormulaKind::Error:
        out += errorLiteral(x.error);
        break;
      case FormulaKind::Missing:
        break;
      case FormulaKind::Cell:
      case FormulaKind::Area:
        reference(x);
        break;
      case FormulaKind::RefError:
        out += "#REF!";
        break;
      case FormulaKind::Name:
        out += x.text;
        break;
      case FormulaKind::Function:
        function(x);
        break;
      case FormulaKind::Unary:
        out += x.text;
        child(x, 0);
        break;
      case FormulaKind::Percent:
        child(x, 0);
        out += '%';
        break;
      case FormulaKind::Binary:
        child(x, 0);
        out += x.text;
        child(x, 1);
        break;
      case FormulaKind::Parentheses:
        out += '(';
        child(x, 0);
        out += ')';
        break;
    }
  }

  std::string out = "of:=";

 private:
  void child(const FormulaNode& x, std::size_t i) {
    if (i < x.children.size()) node(x.children[i]);
  }

  void function(const FormulaNode& x) {
    out += x.text;
    out += '(';
    for (std::size_t i = 0; i < x.children.size(); ++i) {
      if (i > 0) out += ';';
      node(x.children[i]);
    }
    out += ')';
  }

  void text(const std::string& s) {
    out += '"';
    for (char c : s) {
      out += c;
      if (c == '"') out += '"';
    }
    out += '"';
  }

  void reference(const FormulaNode& x) {
    out += '[';
    if (!x.sheet.empty()) out += '$' + sheetPart(x.sheet);
    out += '.' + cellPart(x.first);
    if (x.kind == FormulaKind::Area) out += ":." + cellPart(x.last);
    out += ']';
  }
};

}  // namespace

std::string formulaText(const FormulaNode& root) {
  Printer printer;
  printer.node(root);
  return std::move(printer.out);
}

std::string sheetPart(const std::string& sheet) {
  bool plain = !sheet.empty() && !std::isdigit(static_cast<unsigned char>(sheet.front()));
  for (char c : sheet) plain = plain && (std::isalnum(static_cast<unsigned char>(c)) || c == '_');
  if (plain) return sheet;
  std::string quoted = "'";
  for (char c : sheet) {
    quoted += c;
    if (c == '\'') quoted += '\'';
  }
  return quoted + "'";
}

std::string absoluteRangeAddress(const std::string& sheet, const CellRange& range) {
  const auto cell = [](CellAddress a) {
    return "$" + ColumnLetters(a.column) + "$" + std::to_string(a.row);
  };
  std::string out = "$" + sheetPart(sheet) + "." + cell(range.first);
  if (!range.isSingleCell()) out += ":." + cell(range.last);
  return out;
}

std::string printRangeAddress(const std::string& sheet, const CellRange& range) {
  const std::string s = sheetPart(sheet);
  return s + "." + toA1(range.first) + ":" + s + "." + toA1(range.last);
}

}  // namespace spreadsheet::ods
