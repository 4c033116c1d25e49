#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "generator/sheet_options.h"

// The overtime rule and rate of the sheet options as the command line, the
// settings and the dialog write them. Hours and the rate are kept in
// hundredths, so "7.5" and "1.25" are exact and read back as typed.
namespace generator {

struct HundredthsRange {
  int low;
  int high;
};
inline constexpr HundredthsRange kDailyLimitRange{100, 2400};    // 1 to 24 hours
inline constexpr HundredthsRange kWeeklyLimitRange{100, 16800};  // 1 to 168 hours
inline constexpr HundredthsRange kOvertimeRateRange{100, 300};   // 1 to 3 times the rate
inline constexpr int kDailyLimitDefault = 800;
inline constexpr int kWeeklyLimitDefault = 4000;

// Whether "Regular" and "Overtime" are computed from the day's total.
bool HasOvertimeRule(const SheetOptions& o);

// "8", "7.5", "7.25": hundredths as the sheet's formulas and the command line write them.
std::string HundredthsText(int hundredths);
// "7.5" gives 750: digits with at most two decimals, inside the range.
std::optional<int> ParseHundredths(std::string_view text, HundredthsRange range);

// "none", "daily:8", "weekly:40", "daily:8,weekly:40" (either order when read).
bool ReadOvertimeRule(std::string_view text, SheetOptions& o);
std::string OvertimeRuleText(const SheetOptions& o);

}  // namespace generator
