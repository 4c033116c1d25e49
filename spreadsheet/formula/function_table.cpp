#include <algorithm>
#include <array>
#include <utility>

#include "spreadsheet/formula/functions.h"

namespace spreadsheet::formula {
namespace {

// Sorted by name for binary search; a test checks the order.
constexpr std::array<std::pair<std::string_view, Function>, 15> kFunctions = {{
    {"ABS", fnAbs},
    {"AND", fnAnd},
    {"AVERAGE", fnAverage},
    {"COUNT", fnCount},
    {"COUNTA", fnCountA},
    {"COUNTIF", fnCountIf},
    {"IF", fnIf},
    {"INT", fnInt},
    {"MAX", fnMax},
    {"MIN", fnMin},
    {"NOT", fnNot},
    {"OR", fnOr},
    {"ROUND", fnRound},
    {"SUM", fnSum},
    {"SUMIF", fnSumIf},
}};

static_assert(std::is_sorted(kFunctions.begin(), kFunctions.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; }));

}  // namespace

Function findFunction(std::string_view name) {
  auto it = std::lower_bound(kFunctions.begin(), kFunctions.end(), name,
                             [](const auto& entry, std::string_view n) { return entry.first < n; });
  return it != kFunctions.end() && it->first == name ? it->second : nullptr;
}

}  // namespace spreadsheet::formula
