#pragma once
#include <string>

namespace spreadsheet::ods {

// How a number is stored in a cell: its value type and the attribute that
// holds it ("float" in office:value, "date" in office:date-value, "time" in
// office:time-value).
struct StoredNumber {
  std::string type;
  std::string attribute;
  std::string value;
};

// A number under its cell's number format: a date format stores a date (days
// from the document's default null date, 30 December 1899, so the serial
// reads back the same), a time-only format a duration. Negative numbers, and
// numbers that are not whole seconds, stay floats: their value is kept exact.
StoredNumber storedNumber(double value, const std::string& numberFormat);

// Shortest text that reads back as the same double.
std::string numberText(double v);

}  // namespace spreadsheet::ods
