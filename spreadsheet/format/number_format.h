#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "spreadsheet/model/value.h"

namespace spreadsheet::format {

// A value as a number format shows it.
struct FormattedValue {
  std::string text;
  std::optional<int> colorIndex;  // [Red], [Color 10], ... as palette index 1..56
  std::optional<char> fillChar;   // '*x': repeat x at fillPosition to fill the cell width
  std::size_t fillPosition = 0;   // byte index into text where the fill goes
};

// Formats `v` with the number format code `formatCode` ("General", "0.00",
// "m/d/yyyy", ...). An empty code means General. A code that cannot be parsed
// shows the value as General would.
FormattedValue formatValue(const CellValue& v, std::string_view formatCode);

// The text of formatValue without any fill.
std::string displayText(const CellValue& v, std::string_view formatCode);

}  // namespace spreadsheet::format
