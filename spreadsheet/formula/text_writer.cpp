#include "spreadsheet/formula/text_writer.h"

#include "spreadsheet/model/value.h"

namespace spreadsheet::formula {

void FormulaTextWriter::write(const FormulaNode& x, std::string& out) const {
  switch (x.kind) {
    case FormulaKind::Number:
      out += numberToText(x.number);
      break;
    case FormulaKind::Text:
      out += '"';
      for (char c : x.text) {
        out += c;
        if (c == '"') out += '"';
      }
      out += '"';
      break;
    case FormulaKind::Missing:
      break;
    case FormulaKind::Boolean:
    case FormulaKind::Error:
    case FormulaKind::Cell:
    case FormulaKind::Area:
    case FormulaKind::RefError:
    case FormulaKind::Name:
      leaf(x, out);
      break;
    case FormulaKind::Function:
      out += x.text;
      out += '(';
      for (std::size_t i = 0; i < x.children.size(); ++i) {
        if (i > 0) out += separator_;
        write(x.children[i], out);
      }
      out += ')';
      break;
    case FormulaKind::Unary:
      out += x.text;
      child(x, 0, out);
      break;
    case FormulaKind::Percent:
      child(x, 0, out);
      out += '%';
      break;
    case FormulaKind::Binary:
      child(x, 0, out);
      out += x.text;
      child(x, 1, out);
      break;
    case FormulaKind::Parentheses:
      out += '(';
      child(x, 0, out);
      out += ')';
      break;
  }
}

void FormulaTextWriter::child(const FormulaNode& x, std::size_t i, std::string& out) const {
  if (i < x.children.size()) write(x.children[i], out);
}

}  // namespace spreadsheet::formula
