#pragma once
#include <cstdint>
#include <string_view>

namespace spreadsheet::xls {

// A built-in function as the workbook file numbers it. Parameter classes
// are one letter per parameter, the last repeating: 'R' reference,
// 'V' value, 'A' array.
struct FunctionInfo {
  std::string_view name;
  std::uint16_t id;
  std::uint8_t minArgs;
  std::uint8_t maxArgs;
  char returnClass;
  std::string_view paramClasses;

  bool fixedArity() const { return minArgs == maxArgs; }
  char paramClass(std::size_t index) const;
};

// nullptr when the name (upper case) or id is not in the table.
const FunctionInfo* functionByName(std::string_view upperName);
const FunctionInfo* functionById(std::uint16_t id);

}  // namespace spreadsheet::xls
