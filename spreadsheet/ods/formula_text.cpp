#include "spreadsheet/ods/formula_text.h"

#include <cctype>

#include "spreadsheet/formula/text_writer.h"
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

// OpenFormula: semicolons between arguments, functions for the logical
// constants, references in brackets with a '.' before each cell.
class OpenFormulaText : public formula::FormulaTextWriter {
 public:
  OpenFormulaText() : FormulaTextWriter(';') {}

 protected:
  void leaf(const FormulaNode& x, std::string& out) const override {
    switch (x.kind) {
      case FormulaKind::Boolean:
        out += x.boolean ? "TRUE()" : "FALSE()";
        return;
      case FormulaKind::Error:
        out += errorLiteral(x.error);
        return;
      case FormulaKind::Cell:
      case FormulaKind::Area:
        out += '[';
        if (!x.sheet.empty()) out += '$' + sheetPart(x.sheet);
        out += '.' + cellPart(x.first);
        if (x.kind == FormulaKind::Area) out += ":." + cellPart(x.last);
        out += ']';
        return;
      case FormulaKind::RefError:
        out += "#REF!";
        return;
      default:  // Name
        out += x.text;
        return;
    }
  }
};

}  // namespace

std::string formulaText(const FormulaNode& root) {
  std::string out = "of:=";
  OpenFormulaText().write(root, out);
  return out;
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
