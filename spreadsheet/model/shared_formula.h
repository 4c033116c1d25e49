#pragma once
#include <memory>
#include <optional>
#include <utility>

#include "spreadsheet/model/formula_tree.h"

namespace spreadsheet {

// A cell's formula, or none; read like std::optional<FormulaNode>. Copies
// share one tree until one of them is changed: copied cells (the clipboard,
// a paste at the place copied from) then cost no tree copy, and the copy is
// made by whichever side is changed first. Reading through a const object
// never copies; changing through a non-const one (operator*, operator->)
// first takes a tree of its own when the tree is shared.
class SharedFormula {
 public:
  SharedFormula() = default;
  SharedFormula(std::nullopt_t) {}  // NOLINT: reads like std::optional
  SharedFormula(FormulaNode f)      // NOLINT
      : tree_(std::make_shared<FormulaNode>(std::move(f))) {}
  SharedFormula(std::optional<FormulaNode> f) {  // NOLINT
    if (f) tree_ = std::make_shared<FormulaNode>(std::move(*f));
  }

  explicit operator bool() const { return tree_ != nullptr; }
  bool has_value() const { return tree_ != nullptr; }
  void reset() { tree_.reset(); }

  const FormulaNode& operator*() const { return *tree_; }
  const FormulaNode* operator->() const { return tree_.get(); }
  FormulaNode& operator*() { return own(); }
  FormulaNode* operator->() { return &own(); }

  // Whether another copy reads the same tree (a change would copy it first).
  bool shared() const { return tree_ && tree_.use_count() > 1; }

  friend bool operator==(const SharedFormula& a, const SharedFormula& b) {
    if (!a.tree_ || !b.tree_) return !a.tree_ && !b.tree_;
    return a.tree_ == b.tree_ || *a.tree_ == *b.tree_;
  }

 private:
  FormulaNode& own() {
    if (tree_.use_count() > 1) tree_ = std::make_shared<FormulaNode>(*tree_);
    return *tree_;
  }
  std::shared_ptr<FormulaNode> tree_;
};

}  // namespace spreadsheet
