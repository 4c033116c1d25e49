#pragma once
#include <array>
#include <string>

#include "generator/layout_primitives.h"
#include "generator/options.h"
#include "generator/sheet_geometry.h"
#include "generator/time_sheet.h"

// The blocks BuildSheetLayout lays down, in its order. Internal to the layout.
namespace generator::layout {

using FieldFlags = std::array<bool, kFieldCount>;

// The grid's edges, as the drawing steps name them.
struct GridSpan {
  explicit GridSpan(const SheetGeometry& g)
      : firstDay(g.dayColumn(1)),
        lastDay(g.lastDayColumn()),
        totals(g.totalHoursColumn()),
        pay(g.payColumn()),
        firstShift(g.shiftStartRow(1)),
        shiftSpacer(g.shiftEndRow(g.shifts()) + 1),
        lunch(g.lunchRow()),
        dailyTotal(g.dailyTotalRow()),
        totalSpacer(g.dailyTotalRow() + 1),
        firstHours(g.hoursRow(HoursKind::Regular)),
        lastHours(g.hoursRow(HoursKind::Vacation)) {}
  // The day columns of row r: E9:R9 in the base drawing.
  std::string row(int r) const { return A1(firstDay, r, lastDay, r); }

  int firstDay, lastDay;  // left column of the first day, right column of the last
  int totals, pay;
  int firstShift, shiftSpacer, lunch, dailyTotal, totalSpacer, firstHours, lastHours;
};

// The blocks drawn before the days that are off go are given the base
// geometry (seven days, one week, one shift); the later steps the sheet's own.

// Skeleton: palette, white Arial sheet, frame and grid borders, widths, heights.
void InstallPalette(Excel& xl, const PaletteTable& palette);
void ClearToWhiteArial(Excel& xl, const SheetGeometry& base);
void FrameAndGridBorders(Excel& xl, const SheetGeometry& base);
void ColumnWidths(Excel& xl, const SheetGeometry& base);
void WidenTotalColumn(Excel& xl, const SheetGeometry& sheet);  // 700/75 characters
void RowHeights(Excel& xl);

// Header fields, signature lines and the title; the week end is the last of `weeks` weeks.
void HeaderBlock(Excel& xl, const FieldFlags& fields, const SheetGeometry& base, int weeks);
void SignatureBlocks(Excel& xl, const FieldFlags& fields, const SheetGeometry& base);
void Title(Excel& xl, const SheetTexts& texts);

// Grid: row labels, totals and pay; the seven day blocks; fonts, alignments and fills.
std::string DayName(const SheetTexts& texts, int dayNumber);  // 1 = "Sunday"
void GridLabelsAndTotals(Excel& xl, const SheetGeometry& base);
void DayBlocks(Excel& xl, const SheetGeometry& base);
void GridFormats(Excel& xl, const SheetGeometry& base);
// "=IF(R4C18=0,"",R4C18+k)": the date of a day, from the week-start cell.
std::string DateFormula(const SheetGeometry& sheet, int week, int position);
// "=IF(R4C18=0,"",R4C18+6)": the last date of `weeks` weeks, from the week-start cell.
std::string WeekEndFormula(const SheetGeometry& sheet, int weeks);
// The positive hours of every shift less the break hours.
std::string DailyTotalFormula(const SheetGeometry& sheet);

// The time lists with their names, and the validations that use them.
void TimeLists(Excel& xl, const SheetGeometry& base);
void AttachTimeValidation(Excel& xl, const SheetGeometry& base, const std::string& cell);
void AttachBreakValidation(Excel& xl, const SheetGeometry& base, const std::string& cell);

// Days, weeks, shifts and the page.
void RemoveSwitchedOffDays(Excel& xl, const SheetGeometry& base, const SheetGeometry& sheet);
void FirstDayEdge(Excel& xl, const SheetGeometry& sheet);
void ReplicateWeeks(Excel& xl, const SheetGeometry& sheet);
void ReplicateShifts(Excel& xl, const SheetGeometry& sheet);
void MarkerAndPageSetup(Excel& xl, const SheetGeometry& sheet);

// With an overtime rule: each day's "Regular" and "Overtime" from its total,
// and the overtime rate from the regular rate. Nothing without one.
void OvertimeFormulas(Excel& xl, const SheetGeometry& sheet);

// Texts too wide for their cells that do not wrap: a smaller font for that cell
// alone, the geometry unchanged. Changes neither the selection nor any size.
void FitTexts(Excel& xl, const SheetGeometry& sheet);

// With the option to protect formulas: unlocks every input cell and protects
// the sheet without a password.
void ProtectFormulas(Excel& xl, const SheetGeometry& sheet, const FieldFlags& fields);

}  // namespace generator::layout
