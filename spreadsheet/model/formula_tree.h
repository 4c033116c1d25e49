#pragma once
#include <cstdint>
#include <vector>

#include "spreadsheet/model/interned_text.h"
#include "spreadsheet/model/value.h"

namespace spreadsheet {

// One end of a cell reference inside a formula. It stores the cell it points
// at (as the workbook file does) plus whether each part is relative, so that
// moving the formula's own cell changes nothing and R1C1 text is printed
// relative to wherever the formula stands.
struct FormulaRef {
  int row = 1;
  int column = 1;
  bool rowRelative = false;
  bool columnRelative = false;
  bool operator==(const FormulaRef&) const = default;
};

enum class FormulaKind : std::uint8_t {
  Number,       // number
  Text,         // text: the literal without quotes
  Boolean,      // boolean
  Error,        // error: an error literal such as #N/A
  Missing,      // an omitted function argument
  Cell,         // sheet + first
  Area,         // sheet + first..last
  RefError,     // a reference whose cells were deleted; prints as #REF!
  Name,         // text: a defined name
  Function,     // text: upper-case function name; children: arguments
  Unary,        // text: "-" or "+"; children[0]
  Percent,      // children[0] followed by %
  Binary,       // text: "+", "-", "*", "/", "^", "&", "=", "<>", "<", "<=", ">", ">="
  Parentheses,  // children[0] written inside ( )
};

// Members ordered widest first so a node (of which a sheet holds thousands)
// carries no padding between them.
struct FormulaNode {
  double number = 0;
  InternedText text;
  InternedText sheet;  // sheet qualifier of a reference; empty for the formula's own sheet
  std::vector<FormulaNode> children;
  FormulaRef first;
  FormulaRef last;
  FormulaKind kind = FormulaKind::Missing;
  bool boolean = false;
  ErrorCode error = ErrorCode::NA;

  bool operator==(const FormulaNode&) const = default;
};

}  // namespace spreadsheet
