#include "spreadsheet/api/application.h"
#include "spreadsheet/api/application_state.h"
#include "spreadsheet/api/range.h"
#include "spreadsheet/edit/cells.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::api {

namespace {

spreadsheet::Validation& ruleAt(const Range& range) {
  const CellAddress at = range.areas().front().first;
  for (spreadsheet::Validation& v : range.sheet().validations())
    for (const CellRange& r : v.ranges)
      if (r.contains(at)) return v;
  throw Error("Application-defined or object-defined error: the range has no validation.");
}

// A validation formula: "=..." in A1 notation at `at`; a list may also be a
// comma-separated literal, kept as text.
std::optional<FormulaNode> validationFormula(const std::string& text, int type, CellAddress at) {
  if (text.empty()) return std::nullopt;
  if (text[0] == '=') return formula::parse(text, formula::Notation::A1, at);
  if (type == xl::ValidateList) {
    FormulaNode literal;
    literal.kind = FormulaKind::Text;
    literal.text = text;
    return literal;
  }
  return formula::parse("=" + text, formula::Notation::A1, at);
}

}  // namespace

Validation::Validation(Range range) : range_(std::move(range)) {}

void Validation::Delete() {
  spreadsheet::Worksheet& s = range_.sheet();
  for (const CellRange& a : range_.areas()) edit::removeValidations(s, a);
}

void Validation::Add(int type, int alertStyle, int op, const std::string& formula1,
                     const std::string& formula2) {
  spreadsheet::Worksheet& s = range_.sheet();
  if (type < xl::ValidateInputOnly || type > xl::ValidateCustom ||
      alertStyle < xl::ValidAlertStop || alertStyle > xl::ValidAlertInformation ||
      op < xl::Between || op > xl::LessEqual)
    throw Error("Application-defined or object-defined error");
  for (const spreadsheet::Validation& v : s.validations())
    for (const CellRange& r : v.ranges)
      for (const CellRange& a : range_.areas())
        if (r.intersects(a))
          throw Error(
              "Application-defined or object-defined error: the range already has a validation.");
  const CellAddress at = range_.areas().front().first;
  spreadsheet::Validation rule;
  rule.ranges = range_.areas();
  rule.type = type;
  rule.alertStyle = alertStyle;
  rule.op = op;
  rule.formula1 = validationFormula(formula1, type, at);
  rule.formula2 = validationFormula(formula2, type, at);
  if (type != xl::ValidateInputOnly && !rule.formula1)
    throw Error("Application-defined or object-defined error: Formula1 is required.");
  s.validations().push_back(std::move(rule));
  markChanged(range_.application(), s);
}

int Validation::Type() const {
  return ruleAt(range_).type;
}

std::string Validation::Formula1() const {
  const spreadsheet::Validation& v = ruleAt(range_);
  if (!v.formula1) return "";
  if (v.formula1->kind == FormulaKind::Text) return v.formula1->text;
  return formula::print(*v.formula1, formula::Notation::A1, v.ranges.front().first);
}

bool Validation::IgnoreBlank() const {
  return ruleAt(range_).ignoreBlank;
}
void Validation::setIgnoreBlank(bool v) {
  ruleAt(range_).ignoreBlank = v;
}
bool Validation::InCellDropdown() const {
  return ruleAt(range_).inCellDropdown;
}
void Validation::setInCellDropdown(bool v) {
  ruleAt(range_).inCellDropdown = v;
}
std::string Validation::InputTitle() const {
  return ruleAt(range_).inputTitle;
}
void Validation::setInputTitle(const std::string& v) {
  ruleAt(range_).inputTitle = v;
}
std::string Validation::InputMessage() const {
  return ruleAt(range_).inputMessage;
}
void Validation::setInputMessage(const std::string& v) {
  ruleAt(range_).inputMessage = v;
}
std::string Validation::ErrorTitle() const {
  return ruleAt(range_).errorTitle;
}
void Validation::setErrorTitle(const std::string& v) {
  ruleAt(range_).errorTitle = v;
}
std::string Validation::ErrorMessage() const {
  return ruleAt(range_).errorMessage;
}
void Validation::setErrorMessage(const std::string& v) {
  ruleAt(range_).errorMessage = v;
}
bool Validation::ShowInput() const {
  return ruleAt(range_).showInput;
}
void Validation::setShowInput(bool v) {
  ruleAt(range_).showInput = v;
}
bool Validation::ShowError() const {
  return ruleAt(range_).showError;
}
void Validation::setShowError(bool v) {
  ruleAt(range_).showError = v;
}

}  // namespace spreadsheet::api
