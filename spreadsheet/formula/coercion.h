#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "spreadsheet/model/value.h"

namespace spreadsheet::formula {

// A number, or the error value that stands for the failed conversion.
using NumberOrError = std::variant<double, ErrorCode>;

// Text that reads as a number ("3", " 2.5 ", "1E3", "-4", "50%"); nullopt otherwise.
std::optional<double> numberFromText(std::string_view text);

// A value used in arithmetic: empty is 0, TRUE/FALSE are 1/0, numeric text
// converts, other text is #VALUE!, errors pass through.
NumberOrError toNumber(const CellValue& v);

// A value used as a condition: numbers are TRUE unless 0, empty is FALSE, the
// texts "TRUE"/"FALSE" convert, other text is #VALUE!, errors pass through.
std::variant<bool, ErrorCode> toBoolean(const CellValue& v);

// Case-insensitive ordering of texts as the application compares them.
int compareText(std::string_view a, std::string_view b);

// The comparison operators' order: an empty operand takes the other's kind
// (0, "" or FALSE); then numbers < texts < truth values. Neither may be an error.
int compareValues(const CellValue& a, const CellValue& b);

// A finished arithmetic result: infinities and NaN become #NUM!.
CellValue numberResult(double n);

}  // namespace spreadsheet::formula
