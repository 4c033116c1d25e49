#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "spreadsheet/format/format_code.h"

namespace spreadsheet::format {

// The text a section builds, with the place of its '*x' fill.
struct SectionOutput {
  std::string text;
  std::optional<char> fill;
  std::size_t fillPosition = 0;

  // Appends a literal or records a fill; false for any other token.
  bool literalOrFill(const Token& t) {
    if (t.kind == TokenKind::Literal) {
      text += t.text;
      return true;
    }
    if (t.kind == TokenKind::Fill) {
      // Only the first fill counts; a fill character outside ASCII is shown as a space.
      if (!fill) {
        fill = t.text.size() == 1 ? t.text[0] : ' ';
        fillPosition = text.size();
      }
      return true;
    }
    return false;
  }
};

}  // namespace spreadsheet::format
