#include "spreadsheet/model/shared_formula.h"

#include <gtest/gtest.h>

#include <utility>

#include "spreadsheet/model/cell_store.h"

namespace spreadsheet {
namespace {

FormulaNode cellReference(int row, int column) {
  FormulaNode n;
  n.kind = FormulaKind::Cell;
  n.first = {row, column, true, true};
  return n;
}

// Copies read one tree; a change through either copy leaves the other as it
// was, and reading through a const copy never takes a tree of its own.
TEST(SharedFormula, CopiesShareUntilOneIsChanged) {
  Cell source;
  source.formula = cellReference(3, 4);
  Cell copy = source;
  EXPECT_TRUE(source.formula.shared());
  EXPECT_EQ(&*std::as_const(copy).formula, &*std::as_const(source).formula);
  EXPECT_EQ(std::as_const(copy).formula->first.row, 3);
  EXPECT_TRUE(copy.formula.shared());

  copy.formula->first.row = 9;  // the copy takes its own tree
  EXPECT_FALSE(copy.formula.shared());
  EXPECT_FALSE(source.formula.shared());
  EXPECT_EQ(std::as_const(source).formula->first.row, 3);
  EXPECT_EQ(std::as_const(copy).formula->first.row, 9);
  EXPECT_FALSE(copy.formula == source.formula);

  (*source.formula).first.row = 9;  // unshared: changed in place
  EXPECT_TRUE(copy.formula == source.formula);
}

// It reads like std::optional: empty by default and after reset or nullopt,
// and two empty ones are equal.
TEST(SharedFormula, EmptyLikeAnOptional) {
  SharedFormula none;
  EXPECT_FALSE(none);
  EXPECT_FALSE(none.has_value());
  EXPECT_FALSE(none.shared());
  EXPECT_TRUE(none == SharedFormula(std::nullopt));
  SharedFormula some = std::optional<FormulaNode>(cellReference(1, 1));
  EXPECT_TRUE(some);
  EXPECT_FALSE(some == none);
  SharedFormula kept = some;
  some = std::nullopt;
  EXPECT_FALSE(some);
  EXPECT_TRUE(kept);  // the other copy keeps the tree
  EXPECT_FALSE(kept.shared());
  kept.reset();
  EXPECT_FALSE(kept);
  EXPECT_FALSE(SharedFormula(std::optional<FormulaNode>()));
}

}  // namespace
}  // namespace spreadsheet
