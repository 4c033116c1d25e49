#include "generator/layout_blocks.h"
#include "spreadsheet/api/api.h"

namespace generator::layout {

namespace xl = spreadsheet::xl;

namespace {


const char* const kDurations[] = {
    "12:05:00 AM", "12:10:00 AM", "12:15:00 AM", "12:20:00 AM", "12:25:00 AM", "12:30:00 AM",
    "12:35:00 AM", "12:40:00 AM", "12:45:00 AM", "12:50:00 AM", "12:55:00 AM", "1:00:00 AM",
    "1:05:00 AM",  "1:10:00 AM",  "1:15:00 AM",  "1:20:00 AM",  "1:25:00 AM",  "1:30:00 AM",
    "1:35:00 AM",  "1:40:00 AM",  "1:45:00 AM",  "1:50:00 AM",  "1:55:00 AM",  "2:00:00 AM"};

const char* const kTimeMessage = "You must select time from the list on the right.";
const char* const kBreakMessage =
    "You must enter time in following format 00:30  (or choose it from the list on the right).";

void attachListValidation(Excel& app, const std::string& cell, const char* format,
                          const char* listName, const char* message) {
  SetNumberFormat(app, cell, format);
  auto validation = app.Selection().Validation();
  validation.Delete();
  validation.Add(xl::ValidateList, xl::ValidAlertStop, xl::Between, listName);
  validation.setIgnoreBlank(true);
  validation.setInCellDropdown(true);
  validation.setErrorTitle("Information");
  validation.setInputMessage(message);
  validation.setErrorMessage(message);
  validation.setShowInput(false);
  validation.setShowError(true);
}

// "=TimeSheet!R201C29:R295C29"
std::string refersTo(const std::string& sheet, const ListCells& list) {
  const std::string column = "C" + std::to_string(list.column);
  return "=" + sheet + "!R" + std::to_string(list.firstRow) + column + ":R" +
         std::to_string(list.lastRow) + column;
}

}  // namespace

// Entry 1.. of the start/end list, as a fraction of a day.
double TimeListValue(int entry) {
  // Whole minutes over the minutes of a day: the very number a typed time
  // gives, so typing a listed time passes the list's validation. (A decimal
  // step, or a typed number's 15 digits, lands beside the quarter hours.)
  const int minutes = 6 * 60 + 15 * (entry - 1);
  return minutes / 1440.0;
}

void TimeLists(Excel& app, const SheetGeometry& base) {
  const ListCells times = base.timeList();
  for (int i = 1; i <= times.lastRow - times.firstRow + 1; ++i)
    app.Range(A1(times.column, times.firstRow + i - 1))
        .setValue(spreadsheet::CellValue(TimeListValue(i)));
  app.Range(spreadsheet::toA1(times.range())).Select();
  app.Selection().setNumberFormat("h:mm AM/PM");
  const std::string sheet = app.ActiveSheet().Name();
  app.ActiveWorkbook().Names().Add(times.name, refersTo(sheet, times));

  // The break list's name starts one row above its first duration.
  const ListCells breaks = base.breakList();
  int row = breaks.firstRow;
  for (const char* text : kDurations) WriteCell(app, A1(breaks.column, ++row), text, true);
  app.Range(A1(breaks.column, breaks.firstRow + 1, breaks.column, breaks.lastRow)).Select();
  app.Selection().setNumberFormat("h:mm");
  app.ActiveWorkbook().Names().Add(breaks.name, refersTo(sheet, breaks));
  app.Range("U6").Select();
}

void AttachTimeValidation(Excel& app, const std::string& cell) {
  attachListValidation(app, cell, "[$-409]h:mm AM/PM;@", "=Time0", kTimeMessage);
}

void AttachBreakValidation(Excel& app, const std::string& cell) {
  attachListValidation(app, cell, "hh:mm", "=LunchTime", kBreakMessage);
}

}  // namespace generator::layout
