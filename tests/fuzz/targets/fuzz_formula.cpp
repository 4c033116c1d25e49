// libFuzzer entry: formula text in A1 or R1C1. Whatever parses must print to
// text that parses back to a tree printing the same text, in either notation,
// and that tree must parse back unchanged. (A number typed with more than 15
// significant digits is printed with 15, as the application shows it, so only
// the first print may round.)
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/error.h"

namespace {

using spreadsheet::CellAddress;
using spreadsheet::FormulaNode;
using spreadsheet::formula::Notation;

FormulaNode parsed(const std::string& text, Notation n, CellAddress at) {
  try {
    return spreadsheet::formula::parse(text, n, at);
  } catch (const spreadsheet::Error&) {
    std::abort();  // printed text that does not parse
  }
}

// True when a number of the tree has more digits than its printed text keeps.
bool roundsWhenPrinted(const FormulaNode& node) {
  if (node.kind == spreadsheet::FormulaKind::Number &&
      std::strtod(spreadsheet::numberToText(node.number).c_str(), nullptr) != node.number)
    return true;
  for (const FormulaNode& child : node.children)
    if (roundsWhenPrinted(child)) return true;
  return false;
}

void mustAgree(const FormulaNode& tree, Notation n, CellAddress at) {
  const std::string text = spreadsheet::formula::print(tree, n, at);
  const FormulaNode again = parsed(text, n, at);
  if (!roundsWhenPrinted(tree) && !(again == tree)) std::abort();
  if (spreadsheet::formula::print(again, n, at) != text) std::abort();
  if (!(parsed(text, n, at) == again)) std::abort();
  const std::string other =
      spreadsheet::formula::print(again, n == Notation::A1 ? Notation::R1C1 : Notation::A1, at);
  if (!(parsed(other, n == Notation::A1 ? Notation::R1C1 : Notation::A1, at) == again))
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  // First byte: notation; next two: the cell the formula stands in (rows and
  // columns near both edges of the sheet, where relative references wrap).
  const Notation n = (data[0] & 1) ? Notation::R1C1 : Notation::A1;
  const int rows[] = {1, 2, 12, 65536, 1048576};
  const int columns[] = {1, 2, 6, 256, 16384};
  const CellAddress at{rows[data[1] % 5], columns[data[2] % 5]};
  const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);
  FormulaNode tree;
  try {
    tree = spreadsheet::formula::parse(text, n, at);
  } catch (const spreadsheet::Error&) {
    return 0;
  }
  mustAgree(tree, Notation::A1, at);
  mustAgree(tree, Notation::R1C1, at);
  return 0;
}
