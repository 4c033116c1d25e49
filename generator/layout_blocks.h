#pragma once
#include <array>
#include <string>

#include "generator/layout_primitives.h"
#include "generator/options.h"
#include "generator/time_sheet.h"

// The blocks BuildSheetLayout lays down, in its order. Internal to the layout.
namespace generator::layout {

using FieldFlags = std::array<bool, kFieldCount>;

// Skeleton: palette, white Arial sheet, frame and grid borders, widths, heights.
void InstallPalette(Excel& xl, const PaletteTable& palette);
void ClearToWhiteArial(Excel& xl);
void FrameAndGridBorders(Excel& xl);
void ColumnWidths(Excel& xl);
void WidenTotalColumnForOneWeek(Excel& xl, int enabledDays);
void RowHeights(Excel& xl);

// Header fields, signature lines and the title.
void HeaderBlock(Excel& xl, const FieldFlags& fields);
void SignatureBlocks(Excel& xl, const FieldFlags& fields);
void Title(Excel& xl);

// Grid: row labels, totals and pay; the seven day blocks; fonts, alignments and fills.
std::string DayName(int dayNumber);  // 1 = "Sunday"
void GridLabelsAndTotals(Excel& xl, int startDay);
void DayBlocks(Excel& xl, int startDay);
void GridFormats(Excel& xl);

// The time lists with their names, and the validations that use them.
void TimeLists(Excel& xl);
void AttachTimeValidation(Excel& xl, const std::string& cell);
void AttachBreakValidation(Excel& xl, const std::string& cell);

// Days, weeks, shifts and the page.
void RemoveSwitchedOffDays(Excel& xl, const DayChoiceTable& days, LayoutState& state);
void FirstDayEdge(Excel& xl);
void ReplicateWeeks(Excel& xl, const LayoutState& state);
void ReplicateShifts(Excel& xl, const LayoutState& state);
void MarkerAndPageSetup(Excel& xl, const LayoutState& state);

// Column number of the week-start date cell in row 4 for n enabled days.
int WeekStartColumn(int enabledDays);

}  // namespace generator::layout
