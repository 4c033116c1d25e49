#pragma once
#include <string>

#include "spreadsheet/model/formula_tree.h"

namespace spreadsheet::formula {

// Writes a formula tree as text. Numbers, strings, operators, parentheses and
// function calls read the same in every formula language we write; booleans,
// errors, references and names are spelt by each language in `leaf`.
class FormulaTextWriter {
 public:
  explicit FormulaTextWriter(char argumentSeparator) : separator_(argumentSeparator) {}
  virtual ~FormulaTextWriter() = default;

  // Appends the text of `x` (no leading '=') to `out`.
  void write(const FormulaNode& x, std::string& out) const;

 protected:
  // Boolean, Error, Cell, Area, RefError and Name nodes.
  virtual void leaf(const FormulaNode& x, std::string& out) const = 0;

 private:
  void child(const FormulaNode& x, std::size_t i, std::string& out) const;
  char separator_;
};

}  // namespace spreadsheet::formula
