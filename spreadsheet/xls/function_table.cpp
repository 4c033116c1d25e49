#include "spreadsheet/xls/function_table.h"

#include <algorithm>
#include <array>

namespace spreadsheet::xls {

namespace {

constexpr std::uint8_t kMany = 30;

// Sorted by id.
constexpr std::array kFunctions = {
    FunctionInfo{"COUNT", 0, 0, kMany, 'V', "R"},
    FunctionInfo{"IF", 1, 2, 3, 'V', "VRR"},
    FunctionInfo{"ISNA", 2, 1, 1, 'V', "V"},
    FunctionInfo{"ISERROR", 3, 1, 1, 'V', "V"},
    FunctionInfo{"SUM", 4, 0, kMany, 'V', "R"},
    FunctionInfo{"AVERAGE", 5, 1, kMany, 'V', "R"},
    FunctionInfo{"MIN", 6, 1, kMany, 'V', "R"},
    FunctionInfo{"MAX", 7, 1, kMany, 'V', "R"},
    FunctionInfo{"ROW", 8, 0, 1, 'V', "R"},
    FunctionInfo{"COLUMN", 9, 0, 1, 'V', "R"},
    FunctionInfo{"NA", 10, 0, 0, 'V', ""},
    FunctionInfo{"NPV", 11, 2, kMany, 'V', "VR"},
    FunctionInfo{"STDEV", 12, 1, kMany, 'V', "R"},
    FunctionInfo{"DOLLAR", 13, 1, 2, 'V', "V"},
    FunctionInfo{"FIXED", 14, 1, 3, 'V', "V"},
    FunctionInfo{"SIN", 15, 1, 1, 'V', "V"},
    FunctionInfo{"COS", 16, 1, 1, 'V', "V"},
    FunctionInfo{"TAN", 17, 1, 1, 'V', "V"},
    FunctionInfo{"ATAN", 18, 1, 1, 'V', "V"},
    FunctionInfo{"PI", 19, 0, 0, 'V', ""},
    FunctionInfo{"SQRT", 20, 1, 1, 'V', "V"},
    FunctionInfo{"EXP", 21, 1, 1, 'V', "V"},
    FunctionInfo{"LN", 22, 1, 1, 'V', "V"},
    FunctionInfo{"LOG10", 23, 1, 1, 'V', "V"},
    FunctionInfo{"ABS", 24, 1, 1, 'V', "V"},
    FunctionInfo{"INT", 25, 1, 1, 'V', "V"},
    FunctionInfo{"SIGN", 26, 1, 1, 'V', "V"},
    FunctionInfo{"ROUND", 27, 2, 2, 'V', "V"},
    FunctionInfo{"LOOKUP", 28, 2, 3, 'V', "VR"},
    FunctionInfo{"INDEX", 29, 2, 4, 'R', "RV"},
    FunctionInfo{"REPT", 30, 2, 2, 'V', "V"},
    FunctionInfo{"MID", 31, 3, 3, 'V', "V"},
    FunctionInfo{"LEN", 32, 1, 1, 'V', "V"},
    FunctionInfo{"VALUE", 33, 1, 1, 'V', "V"},
    FunctionInfo{"TRUE", 34, 0, 0, 'V', ""},
    FunctionInfo{"FALSE", 35, 0, 0, 'V', ""},
    FunctionInfo{"AND", 36, 1, kMany, 'V', "R"},
    FunctionInfo{"OR", 37, 1, kMany, 'V', "R"},
    FunctionInfo{"NOT", 38, 1, 1, 'V', "V"},
    FunctionInfo{"MOD", 39, 2, 2, 'V', "V"},
    FunctionInfo{"VAR", 46, 1, kMany, 'V', "R"},
    FunctionInfo{"TEXT", 48, 2, 2, 'V', "V"},
    FunctionInfo{"PV", 56, 3, 5, 'V', "V"},
    FunctionInfo{"FV", 57, 3, 5, 'V', "V"},
    FunctionInfo{"NPER", 58, 3, 5, 'V', "V"},
    FunctionInfo{"PMT", 59, 3, 5, 'V', "V"},
    FunctionInfo{"RATE", 60, 3, 6, 'V', "V"},
    FunctionInfo{"RAND", 63, 0, 0, 'V', ""},
    FunctionInfo{"MATCH", 64, 2, 3, 'V', "VRR"},
    FunctionInfo{"DATE", 65, 3, 3, 'V', "V"},
    FunctionInfo{"TIME", 66, 3, 3, 'V', "V"},
    FunctionInfo{"DAY", 67, 1, 1, 'V', "V"},
    FunctionInfo{"MONTH", 68, 1, 1, 'V', "V"},
    FunctionInfo{"YEAR", 69, 1, 1, 'V', "V"},
    FunctionInfo{"WEEKDAY", 70, 1, 2, 'V', "V"},
    FunctionInfo{"HOUR", 71, 1, 1, 'V', "V"},
    FunctionInfo{"MINUTE", 72, 1, 1, 'V', "V"},
    FunctionInfo{"SECOND", 73, 1, 1, 'V', "V"},
    FunctionInfo{"NOW", 74, 0, 0, 'V', ""},
    FunctionInfo{"AREAS", 75, 1, 1, 'V', "R"},
    FunctionInfo{"ROWS", 76, 1, 1, 'V', "R"},
    FunctionInfo{"COLUMNS", 77, 1, 1, 'V', "R"},
    FunctionInfo{"OFFSET", 78, 3, 5, 'R', "RV"},
    FunctionInfo{"SEARCH", 82, 2, 3, 'V', "V"},
    FunctionInfo{"TRANSPOSE", 83, 1, 1, 'A', "A"},
    FunctionInfo{"TYPE", 86, 1, 1, 'V', "V"},
    FunctionInfo{"ATAN2", 97, 2, 2, 'V', "V"},
    FunctionInfo{"ASIN", 98, 1, 1, 'V', "V"},
    FunctionInfo{"ACOS", 99, 1, 1, 'V', "V"},
    FunctionInfo{"CHOOSE", 100, 2, kMany, 'V', "VR"},
    FunctionInfo{"HLOOKUP", 101, 3, 4, 'V', "VRRV"},
    FunctionInfo{"VLOOKUP", 102, 3, 4, 'V', "VRRV"},
    FunctionInfo{"ISREF", 105, 1, 1, 'V', "R"},
    FunctionInfo{"LOG", 109, 1, 2, 'V', "V"},
    FunctionInfo{"CHAR", 111, 1, 1, 'V', "V"},
    FunctionInfo{"LOWER", 112, 1, 1, 'V', "V"},
    FunctionInfo{"UPPER", 113, 1, 1, 'V', "V"},
    FunctionInfo{"PROPER", 114, 1, 1, 'V', "V"},
    FunctionInfo{"LEFT", 115, 1, 2, 'V', "V"},
    FunctionInfo{"RIGHT", 116, 1, 2, 'V', "V"},
    FunctionInfo{"EXACT", 117, 2, 2, 'V', "V"},
    FunctionInfo{"TRIM", 118, 1, 1, 'V', "V"},
    FunctionInfo{"REPLACE", 119, 4, 4, 'V', "V"},
    FunctionInfo{"SUBSTITUTE", 120, 3, 4, 'V', "V"},
    FunctionInfo{"CODE", 121, 1, 1, 'V', "V"},
    FunctionInfo{"FIND", 124, 2, 3, 'V', "V"},
    FunctionInfo{"CELL", 125, 1, 2, 'V', "VR"},
    FunctionInfo{"ISERR", 126, 1, 1, 'V', "V"},
    FunctionInfo{"ISTEXT", 127, 1, 1, 'V', "V"},
    FunctionInfo{"ISNUMBER", 128, 1, 1, 'V', "V"},
    FunctionInfo{"ISBLANK", 129, 1, 1, 'V', "V"},
    FunctionInfo{"T", 130, 1, 1, 'V', "R"},
    FunctionInfo{"N", 131, 1, 1, 'V', "R"},
    FunctionInfo{"DATEVALUE", 140, 1, 1, 'V', "V"},
    FunctionInfo{"TIMEVALUE", 141, 1, 1, 'V', "V"},
    FunctionInfo{"INDIRECT", 148, 1, 2, 'R', "V"},
    FunctionInfo{"CLEAN", 162, 1, 1, 'V', "V"},
    FunctionInfo{"COUNTA", 169, 0, kMany, 'V', "R"},
    FunctionInfo{"PRODUCT", 183, 0, kMany, 'V', "R"},
    FunctionInfo{"FACT", 184, 1, 1, 'V', "V"},
    FunctionInfo{"ISNONTEXT", 190, 1, 1, 'V', "V"},
    FunctionInfo{"STDEVP", 193, 1, kMany, 'V', "R"},
    FunctionInfo{"VARP", 194, 1, kMany, 'V', "R"},
    FunctionInfo{"TRUNC", 197, 1, 2, 'V', "V"},
    FunctionInfo{"ISLOGICAL", 198, 1, 1, 'V', "V"},
    FunctionInfo{"ROUNDUP", 212, 2, 2, 'V', "V"},
    FunctionInfo{"ROUNDDOWN", 213, 2, 2, 'V', "V"},
    FunctionInfo{"RANK", 216, 2, 3, 'V', "VRV"},
    FunctionInfo{"DAYS360", 220, 2, 3, 'V', "V"},
    FunctionInfo{"TODAY", 221, 0, 0, 'V', ""},
    FunctionInfo{"MEDIAN", 227, 1, kMany, 'V', "R"},
    FunctionInfo{"SUMPRODUCT", 228, 1, kMany, 'V', "A"},
    FunctionInfo{"ERROR.TYPE", 261, 1, 1, 'V', "V"},
    FunctionInfo{"COMBIN", 276, 2, 2, 'V', "V"},
    FunctionInfo{"EVEN", 279, 1, 1, 'V', "V"},
    FunctionInfo{"FLOOR", 285, 2, 2, 'V', "V"},
    FunctionInfo{"CEILING", 288, 2, 2, 'V', "V"},
    FunctionInfo{"ODD", 298, 1, 1, 'V', "V"},
    FunctionInfo{"SUMSQ", 321, 0, kMany, 'V', "R"},
    FunctionInfo{"LARGE", 325, 2, 2, 'V', "RV"},
    FunctionInfo{"SMALL", 326, 2, 2, 'V', "RV"},
    FunctionInfo{"CONCATENATE", 336, 0, kMany, 'V', "V"},
    FunctionInfo{"POWER", 337, 2, 2, 'V', "V"},
    FunctionInfo{"RADIANS", 342, 1, 1, 'V', "V"},
    FunctionInfo{"DEGREES", 343, 1, 1, 'V', "V"},
    FunctionInfo{"SUBTOTAL", 344, 2, kMany, 'V', "VR"},
    FunctionInfo{"SUMIF", 345, 2, 3, 'V', "RVR"},
    FunctionInfo{"COUNTIF", 346, 2, 2, 'V', "RV"},
    FunctionInfo{"COUNTBLANK", 347, 1, 1, 'V', "R"},
    FunctionInfo{"HYPERLINK", 359, 1, 2, 'V', "V"},
    FunctionInfo{"AVERAGEA", 361, 1, kMany, 'V', "R"},
    FunctionInfo{"MAXA", 362, 1, kMany, 'V', "R"},
    FunctionInfo{"MINA", 363, 1, kMany, 'V', "R"},
};

static_assert(std::is_sorted(kFunctions.begin(), kFunctions.end(),
                             [](const FunctionInfo& a, const FunctionInfo& b) {
                               return a.id < b.id;
                             }));

}  // namespace

char FunctionInfo::paramClass(std::size_t index) const {
  if (paramClasses.empty()) return 'V';
  return paramClasses[std::min(index, paramClasses.size() - 1)];
}

namespace {

constexpr std::size_t kNameSlots = 512;  // a power of two; mostly empty, so searches end soon
static_assert(kFunctions.size() * 3 < kNameSlots);

std::size_t nameHash(std::string_view name) {
  std::uint32_t h = 2166136261u;  // FNV-1a
  for (char c : name) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h & (kNameSlots - 1);
}

}  // namespace

const FunctionInfo* functionByName(std::string_view upperName) {
  // The compiler looks up every function call it meets: an open-addressed
  // table of the names, filled once.
  static const auto slots = [] {
    std::array<const FunctionInfo*, kNameSlots> table{};
    for (const FunctionInfo& f : kFunctions) {
      std::size_t i = nameHash(f.name);
      while (table[i]) i = (i + 1) & (kNameSlots - 1);
      table[i] = &f;
    }
    return table;
  }();
  for (std::size_t i = nameHash(upperName); slots[i]; i = (i + 1) & (kNameSlots - 1))
    if (slots[i]->name == upperName) return slots[i];
  return nullptr;
}

const FunctionInfo* functionById(std::uint16_t id) {
  auto it = std::lower_bound(kFunctions.begin(), kFunctions.end(), id,
                             [](const FunctionInfo& f, std::uint16_t v) { return f.id < v; });
  return it != kFunctions.end() && it->id == id ? &*it : nullptr;
}

}  // namespace spreadsheet::xls
