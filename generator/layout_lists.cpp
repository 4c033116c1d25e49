#include "generator/layout_blocks.h"
#include "spreadsheet/api/api.h"

namespace generator::layout {

namespace xl = spreadsheet::xl;

namespace {

constexpr int kTimeEntries = 95;

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

// Entry 1..95 of the start/end list, as a fraction of a day.
double TimeListValue(int entry) {
  // Whole minutes over the minutes of a day: the very number a typed time
  // gives, so typing a listed time passes the list's validation. (A decimal
  // step, or a typed number's 15 digits, lands beside the quarter hours.)
  const int minutes = 6 * 60 + 15 * (entry - 1);
  return minutes / 1440.0;
}

}  // namespace

void TimeLists(Excel& app) {
  for (int i = 1; i <= kTimeEntries; ++i)
    app.Range("AC" + std::to_string(200 + i)).setValue(spreadsheet::CellValue(TimeListValue(i)));
  app.Range("AC201:AC295").Select();
  app.Selection().setNumberFormat("h:mm AM/PM");
  const std::string sheet = app.ActiveSheet().Name();
  app.ActiveWorkbook().Names().Add("Time0", "=" + sheet + "!R201C29:R295C29");

  int row = 200;
  for (const char* text : kDurations) WriteCell(app, "AD" + std::to_string(++row), text, true);
  const std::string endRow = std::to_string(row);
  app.Range("AD201:AD" + endRow).Select();
  app.Selection().setNumberFormat("h:mm");
  app.ActiveWorkbook().Names().Add("LunchTime", "=" + sheet + "!R200C30:R" + endRow + "C30");
  app.Range("U6").Select();
}

void AttachTimeValidation(Excel& app, const std::string& cell) {
  attachListValidation(app, cell, "[$-409]h:mm AM/PM;@", "=Time0", kTimeMessage);
}

void AttachBreakValidation(Excel& app, const std::string& cell) {
  attachListValidation(app, cell, "hh:mm", "=LunchTime", kBreakMessage);
}

}  // namespace generator::layout
