#include <string>

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/formula/reference_text.h"
#include "spreadsheet/formula/text_writer.h"

namespace spreadsheet::formula {
namespace {

// The application's own formula text, in A1 or R1C1 notation.
class ApplicationText : public FormulaTextWriter {
 public:
  ApplicationText(Notation n, CellAddress at) : FormulaTextWriter(','), n_(n), at_(at) {}

 protected:
  void leaf(const FormulaNode& x, std::string& out) const override {
    switch (x.kind) {
      case FormulaKind::Boolean:
        out += x.boolean ? "TRUE" : "FALSE";
        return;
      case FormulaKind::Error:
        out += errorText(x.error);
        return;
      case FormulaKind::Cell:
      case FormulaKind::Area:
        sheet(x.sheet, out);
        out += writeReference(x, n_, at_);
        return;
      case FormulaKind::RefError:
        sheet(x.sheet, out);
        out += "#REF!";
        return;
      default:  // Name
        sheet(x.sheet, out);
        out += x.text;
        return;
    }
  }

 private:
  static void sheet(const std::string& name, std::string& out) {
    if (name.empty()) return;
    out += quoteSheetName(name);
    out += '!';
  }

  Notation n_;
  CellAddress at_;
};

}  // namespace

std::string print(const FormulaNode& root, Notation n, CellAddress at) {
  std::string out = "=";
  ApplicationText(n, at).write(root, out);
  return out;
}

}  // namespace spreadsheet::formula
