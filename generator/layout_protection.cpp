#include "generator/layout_blocks.h"
#include "spreadsheet/api/api.h"

namespace generator::layout {

namespace {

using spreadsheet::CellRange;

constexpr HoursKind kHoursKinds[] = {HoursKind::Regular, HoursKind::Overtime, HoursKind::Sick,
                                     HoursKind::Vacation};

// Unlocks an input area; one whose first cell the sheet computes (a formula
// written there by another option) stays locked. A single cell stands for
// the merged area it lies in.
void unlockInput(Excel& app, const std::string& address) {
  spreadsheet::api::Range area = app.Range(address);
  if (area.Count() == 1) area = area.MergeArea();
  if (!area.HasFormula()) area.setLocked(false);
}

std::string areaText(const CellRange& r) {
  return A1(r.first.column, r.first.row, r.last.column, r.last.row);
}

}  // namespace

void ProtectFormulas(Excel& app, const SheetGeometry& sheet, const FieldFlags& fields) {
  if (!sheet.options().protectFormulas) return;
  const int firstShift = sheet.shiftStartRow(1), lastShift = sheet.shiftEndRow(sheet.shifts());
  for (int k = 1; k <= sheet.dayColumnCount(); ++k) {
    const int input = sheet.dayColumn(k);
    unlockInput(app, A1(input, firstShift, input, lastShift));
    unlockInput(app, A1(input, sheet.lunchRow(), input, sheet.otherBreaksRow()));
    for (HoursKind kind : kHoursKinds) unlockInput(app, A1(input, sheet.hoursRow(kind)));
  }
  for (HoursKind kind : kHoursKinds) unlockInput(app, A1(sheet.rateColumn(), sheet.hoursRow(kind)));
  if (fields[WeekStarting] || sheet.datesCountBack())
    unlockInput(app, A1(sheet.dateAnchorCell().column, sheet.dateAnchorCell().row));
  for (const HeaderInput& h : SheetGeometry::headerInputs())
    if (fields[h.field]) unlockInput(app, areaText(h.cells));
  // The buttons' copy writes into locked cells too: its macro lifts the
  // protection for that (UseSheetMacros gives it the lines).
  app.ActiveSheet().Protect();
}

}  // namespace generator::layout
