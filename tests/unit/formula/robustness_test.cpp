#include <gtest/gtest.h>

#include <random>

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/workbook.h"
#include "value_printer.h"

namespace spreadsheet::formula {
namespace {

// Formula text glued from pieces at random: whatever parses must print back
// to text that parses to the same tree, and must evaluate without crashing;
// whatever does not parse must be refused with Error.
TEST(Robustness, RandomTextIsParsedOrRefusedAndWhatParsesRoundTrips) {
  const char* pieces[] = {"1",    "0.5", "\"a\"\"b\"", "TRUE", "#N/A",   "RC[-1]",  "R1C1", "R[2]C",
                          "C3",   "R2",  ":",          "(",    ")",      ",",       "+",    "-",
                          "*",    "/",   "^",          "&",    "=",      "<>",      "<=",   "%",
                          "SUM(", "IF(", "X(",         "Nm",   "'S t'!", "Sheet2!", " ",    "E",
                          "$",    "[",   "]",          "'",    "\"",     "#",       "!",    "."};
  Workbook book;
  Worksheet& sheet = book.addSheet("Sheet1");
  book.addSheet("S t");
  sheet.cell({1, 1}).value = 2.0;
  sheet.cell({5, 4}).value = "x";
  std::mt19937 random(20240607);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
  std::uniform_int_distribution<int> length(1, 12);
  const CellAddress at{5, 5};
  int parsed = 0;
  for (int i = 0; i < 20000; ++i) {
    std::string text = "=";
    for (int n = length(random); n > 0; --n) text += pieces[pick(random)];
    for (Notation notation : {Notation::R1C1, Notation::A1}) {
      FormulaNode tree;
      try {
        tree = parse(text, notation, at);
      } catch (const Error&) {
        continue;
      }
      ++parsed;
      for (Notation out : {Notation::R1C1, Notation::A1}) {
        std::string printed = print(tree, out, at);
        FormulaNode again;
        EXPECT_NO_THROW(again = parse(printed, out, at)) << text << " printed as " << printed;
        EXPECT_EQ(again, tree) << text << " printed as " << printed;
      }
      evaluate(tree, sheet, at);
    }
  }
  EXPECT_GT(parsed, 1000) << "the pieces should make many valid formulas";
}

TEST(Robustness, LongFormulasEvaluate) {
  Workbook book;
  Worksheet& sheet = book.addSheet("Sheet1");
  std::string sum = "=1";
  for (int i = 1; i < 4000; ++i) sum += "+1";
  EXPECT_EQ(evaluate(parse(sum, Notation::A1, {1, 1}), sheet, {1, 1}), CellValue(4000.0));
  std::string nested = "=";
  for (int i = 0; i < 60; ++i) nested += "ABS(-(";
  nested += "1";
  for (int i = 0; i < 60; ++i) nested += "))";
  EXPECT_EQ(evaluate(parse(nested, Notation::A1, {1, 1}), sheet, {1, 1}), CellValue(1.0));
}

TEST(Robustness, TreesDeeperThanTextAllowsGiveValueError) {
  // A tree built directly (as a file reader may) can nest deeper than any
  // formula text; evaluation stops with #VALUE! instead of exhausting the stack.
  Workbook book;
  Worksheet& sheet = book.addSheet("Sheet1");
  FormulaNode tree;
  tree.kind = FormulaKind::Number;
  tree.number = 1;
  for (int i = 0; i < 6000; ++i) {
    FormulaNode wrapped;
    wrapped.kind = FormulaKind::Unary;
    wrapped.text = "-";
    wrapped.children.push_back(std::move(tree));
    tree = std::move(wrapped);
  }
  EXPECT_EQ(evaluate(tree, sheet, {1, 1}), CellValue(ErrorCode::Value));
  EXPECT_EQ(print(tree, Notation::A1, {1, 1}).size(), 6002u);
}

}  // namespace
}  // namespace spreadsheet::formula
