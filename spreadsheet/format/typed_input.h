#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "spreadsheet/model/value.h"

namespace spreadsheet::format {

// What typing a text into a cell stores: the value and, for dates, times,
// percentages and currency, the number format the application assigns.
struct TypedInput {
  CellValue value;
  std::optional<std::string> numberFormat;  // e.g. "m/d/yyyy"; nullopt keeps the cell's format
};

// Recognizes numbers, US dates and times, TRUE/FALSE and error literals;
// anything else is text. "" gives an empty value. Not for text starting
// with '=' (formulas are the caller's business).
TypedInput recognizeTypedInput(std::string_view text);

}  // namespace spreadsheet::format
