#pragma once
#include <string_view>

#include "spreadsheet/model/value.h"

namespace spreadsheet::formula {

// The condition of SUMIF and COUNTIF: a value, or text such as ">0", "=5",
// "<>x", "abc", "a*c?" (wildcards * and ?, ~ escapes them), "" for empty.
class Criterion {
 public:
  explicit Criterion(const CellValue& criterion);
  bool matches(const CellValue& cell) const;

 private:
  enum class Op { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };
  bool equals(const CellValue& cell) const;
  bool ordered(const CellValue& cell) const;

  Op op_ = Op::Equal;
  CellValue operand_;
};

// Whether text matches a pattern with * (any run), ? (any one character) and
// ~ (the next character literally), ignoring case.
bool wildcardMatch(std::string_view pattern, std::string_view text);

}  // namespace spreadsheet::formula
