#pragma once
#include <optional>
#include <string_view>

#include "spreadsheet/format/typed_input.h"

namespace spreadsheet::format {

// Recognizes a typed US date, time or date with time (already trimmed):
// "5/29/2005", "2005-05-29", "29-May-2005", "May 29, 2005", "7:10 AM",
// "17:00", "8:00:00", "12:05:00 AM", "5/29/2005 8:00". A date without a year
// is not recognized: the application would take the current year, and the
// stored value must not depend on the day the sheet is made.
std::optional<TypedInput> recognizeDateTime(std::string_view s);

}  // namespace spreadsheet::format
