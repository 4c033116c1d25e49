#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet::format {

// One element of a format section.
enum class TokenKind {
  Literal,         // text shown as is (quoted text, escapes, '_x' spaces, '$', '-', ...)
  Fill,            // '*x': text holds x
  Text,            // '@': the cell's text
  General,         // "General" inside a section
  Digit,           // '0', '#' or '?' (text holds which)
  DecimalPoint,    // '.'
  Comma,           // ',': grouping or scaling, decided by its neighbours
  Percent,         // '%'
  Exponent,        // "E+", "E-", "e+", "e-" (text holds it)
  FractionBar,     // '/' between digit placeholders
  Year,            // y..yyyy (width = letter count)
  Month,           // m..mmmmm
  Day,             // d..dddd
  Hour,            // h, hh
  Minute,          // m, mm after an hour or before a second
  Second,          // s, ss
  SubSecond,       // ".0" to ".000" after seconds (width = digit count)
  AmPm,            // "AM/PM", "am/pm", "A/P", "a/p" (text holds it as written)
  ElapsedHours,    // [h]
  ElapsedMinutes,  // [m]
  ElapsedSeconds,  // [s]
};

struct Token {
  TokenKind kind;
  std::string text;
  int width = 0;
};

// A section's [>100] style condition.
struct Condition {
  enum class Op { Less, LessEqual, Greater, GreaterEqual, Equal, NotEqual };
  Op op;
  double value;
  bool matches(double v) const;
};

struct Section {
  std::vector<Token> tokens;
  std::optional<Condition> condition;
  std::optional<int> colorIndex;  // palette index 1..56
  bool dateTime = false;          // has a date or time code
  bool text = false;              // has '@'
  bool digits = false;            // has a digit placeholder or General
};

struct FormatCode {
  std::vector<Section> sections;  // 1 to 4
  bool general = false;           // the whole code is "General" (or empty)
};

// Parses a number format code. Throws spreadsheet::Error for a code the
// application would refuse (unclosed quote or bracket, unknown bracket
// contents, more than four sections).
FormatCode parseFormatCode(std::string_view code);

// The parsed code, kept per thread so repeated formatting with the same
// code parses once. Throws as parseFormatCode does.
const FormatCode& cachedFormatCode(std::string_view code);

}  // namespace spreadsheet::format
