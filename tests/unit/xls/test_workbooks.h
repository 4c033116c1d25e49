#pragma once
// Small builders shared by the workbook file tests.
#include <filesystem>
#include <string>

#include "spreadsheet/model/workbook.h"

namespace spreadsheet::xls::testing {

FormulaNode number(double v);
FormulaNode text(std::string s);
FormulaNode cell(int row, int column, bool relative = true, std::string sheet = "");
FormulaNode area(int r1, int c1, int r2, int c2, std::string sheet = "");
FormulaNode name(std::string n);
FormulaNode call(std::string function, std::vector<FormulaNode> args);
FormulaNode binary(std::string op, FormulaNode a, FormulaNode b);
FormulaNode wrap(FormulaKind kind, FormulaNode inner, std::string op = "");

// A workbook that uses every feature the file holds: styles, merges, names
// (one sheet-qualified area), validations, a button with a macro that takes
// an argument, fit-to-page landscape A4 with a print area, a macro project,
// and over a thousand distinct strings.
std::unique_ptr<Workbook> fullWorkbook();

// A fresh empty folder under the system's temporary folder, removed on destruction.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace spreadsheet::xls::testing
