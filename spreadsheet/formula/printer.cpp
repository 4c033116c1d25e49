#include <string>

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/formula/reference_text.h"

namespace spreadsheet::formula {
namespace {

class Printer {
 public:
  Printer(Notation n, CellAddress at) : n_(n), at_(at) {}

  void node(const FormulaNode& x) {
    switch (x.kind) {
      case FormulaKind::Number:
        out += numberToText(x.number);
        break;
      case FormulaKind::Text:
        text(x.text);
        break;
      case FormulaKind::Boolean:
        out += x.boolean ? "TRUE" : "FALSE";
        break;
      case FormulaKind::Error:
        out += errorText(x.error);
        break;
      case FormulaKind::Missing:
        break;
      case FormulaKind::Cell:
      case FormulaKind::Area:
        sheet(x.sheet);
        out += writeReference(x, n_, at_);
        break;
      case FormulaKind::RefError:
        sheet(x.sheet);
        out += "#REF!";
        break;
      case FormulaKind::Name:
        sheet(x.sheet);
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

  std::string out = "=";

 private:
  void child(const FormulaNode& x, std::size_t i) {
    if (i < x.children.size()) node(x.children[i]);
  }

  void function(const FormulaNode& x) {
    out += x.text;
    out += '(';
    for (std::size_t i = 0; i < x.children.size(); ++i) {
      if (i > 0) out += ',';
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

  void sheet(const std::string& name) {
    if (name.empty()) return;
    out += quoteSheetName(name);
    out += '!';
  }

  Notation n_;
  CellAddress at_;
};

}  // namespace

std::string print(const FormulaNode& root, Notation n, CellAddress at) {
  Printer printer(n, at);
  printer.node(root);
  return std::move(printer.out);
}

}  // namespace spreadsheet::formula
