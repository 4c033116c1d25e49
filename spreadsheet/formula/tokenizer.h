#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "spreadsheet/formula/formula.h"

namespace spreadsheet::formula {

enum class TokenKind {
  Operand,   // a literal, reference or name, ready as a leaf node
  Function,  // text: upper-case name; the '(' that follows is consumed
  Operator,  // text: "+", "-", "*", "/", "^", "&", "=", "<>", "<", "<=", ">", ">=", "%"
  Open,
  Close,
  Comma,
  End,
};

struct Token {
  TokenKind kind = TokenKind::End;
  std::string text;
  FormulaNode operand;
  std::size_t position = 0;  // index in the formula text, for messages
};

// The longest formula text the application accepts.
inline constexpr std::size_t kMaxFormulaLength = 8192;

// Splits formula text (with its leading '=') into tokens; whitespace between
// tokens is dropped. Relative references resolve against `at`. Throws Error
// for characters or literals no formula may contain.
std::vector<Token> tokenize(std::string_view text, Notation n, CellAddress at);

// The Error thrown for malformed formula text, naming the place.
[[noreturn]] void throwFormulaError(std::string_view text, std::size_t position,
                                    const std::string& problem);

}  // namespace spreadsheet::formula
