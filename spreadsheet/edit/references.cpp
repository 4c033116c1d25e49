#include "spreadsheet/edit/references.h"

#include "spreadsheet/model/workbook.h"

namespace spreadsheet::edit {

namespace {

// Calls visit(formula, formulaSheet) for every formula of the workbook:
// cells and validations (with their sheet) and names (with none).
template <typename F>
void forEachFormula(Workbook& book, const F& visit) {
  for (std::size_t i = 0; i < book.sheetCount(); ++i) {
    Worksheet& s = book.sheet(i);
    for (auto& line : s.cells().rows())
      for (auto& [column, cell] : line.cells)
        if (cell.formula) visit(*cell.formula, &s);
    for (Validation& v : s.validations()) {
      if (v.formula1) visit(*v.formula1, &s);
      if (v.formula2) visit(*v.formula2, &s);
    }
  }
  for (DefinedName& n : book.names()) visit(n.formula, static_cast<Worksheet*>(nullptr));
}

}  // namespace

void adjustReferences(Worksheet& shifted, const formula::CellShift& shift) {
  forEachFormula(shifted.workbook(), [&](FormulaNode& f, Worksheet* own) {
    formula::shiftReferences(f, shift, shifted.name(), own == &shifted);
  });
  auto& area = shifted.pageSetup().printArea;
  if (area) area = formula::shiftArea(*area, shift);
}

void renameSheetReferences(Workbook& book, const std::string& oldName, const std::string& newName) {
  forEachFormula(book,
                 [&](FormulaNode& f, Worksheet*) { formula::renameSheet(f, oldName, newName); });
}

void invalidateSheetReferences(Workbook& book, const std::string& name) {
  forEachFormula(book, [&](FormulaNode& f, Worksheet*) { formula::invalidateSheet(f, name); });
}

}  // namespace spreadsheet::edit
