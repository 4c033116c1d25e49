#include "generator/layout_blocks.h"
#include "generator/overtime_rule.h"
#include "spreadsheet/api/api.h"

namespace generator::layout {

namespace {

std::string rowsUp(int rows) {
  return "R[-" + std::to_string(rows) + "]C";
}

// The day's regular hours: its total (0 when negative) up to the daily limit
// and up to what the weekly limit leaves after the earlier days of the week.
// The earlier days are summed from the column before the week's first day,
// fixed, so a day copied onto the next day of its week still counts all of them.
std::string regularFormula(const SheetGeometry& sheet, int weekAnchorColumn) {
  const SheetOptions& o = sheet.options();
  const int up = sheet.hoursRow(HoursKind::Regular) - sheet.dailyTotalRow();
  std::string formula = "=MIN(MAX(" + rowsUp(up) + ",0)";
  if (o.overtimeDaily > 0) formula += "," + HundredthsText(o.overtimeDaily);
  if (o.overtimeWeekly > 0)
    formula += ",MAX(0," + HundredthsText(o.overtimeWeekly) + "-SUM(RC" +
               std::to_string(weekAnchorColumn) + ":RC[-1]))";
  return formula + ")";
}

// The rest of the day's total.
std::string overtimeFormula(const SheetGeometry& sheet) {
  const int overtime = sheet.hoursRow(HoursKind::Overtime);
  const int regular = sheet.hoursRow(HoursKind::Regular);
  return "=MAX(" + rowsUp(overtime - sheet.dailyTotalRow()) + ",0)-" + rowsUp(overtime - regular);
}

}  // namespace

void OvertimeFormulas(Excel& app, const SheetGeometry& sheet) {
  const SheetOptions& o = sheet.options();
  if (!HasOvertimeRule(o)) return;
  const int regular = sheet.hoursRow(HoursKind::Regular);
  const int overtime = sheet.hoursRow(HoursKind::Overtime);
  const std::string rest = overtimeFormula(sheet);
  for (int week = 1; week <= sheet.weeks(); ++week) {
    const std::string regularHours = regularFormula(sheet, sheet.dayColumn(week, 1) - 1);
    for (int position = 1; position <= sheet.dayCount(); ++position) {
      const int left = sheet.dayColumn(week, position);
      WriteCell(app, A1(left, regular), regularHours, false);
      WriteCell(app, A1(left, overtime), rest, false);
    }
  }
  WriteCell(app, A1(sheet.rateColumn(), overtime),
            "=" + rowsUp(overtime - regular) + "*" + HundredthsText(o.overtimeRate), false);
}

}  // namespace generator::layout
