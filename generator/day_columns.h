#pragma once

// Where the day columns stand: the one table the layout, the buttons and the
// workbook macros (filled in at build time and when an .ods is written) share.
namespace generator {

inline constexpr int kFirstDayColumn = 5;       // E: the first day of the first week
inline constexpr int kColumnsPerDay = 2;        // input on the left, computed hours on the right
inline constexpr int kDayColumnTableSize = 40;  // day columns the macros can name (28 used)

// Sheet column of the left column of day column k (1 = E), counted over all weeks.
constexpr int DayColumnSheetColumn(int k) {
  return kFirstDayColumn + kColumnsPerDay * (k - 1);
}

}  // namespace generator
