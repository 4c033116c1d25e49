#include "generator/layout_blocks.h"
#include "spreadsheet/api/api.h"

namespace generator::layout {

namespace xl = spreadsheet::xl;

namespace {

void attachListValidation(Excel& app, const std::string& cell, const std::string& format,
                          const char* listName, const SheetTexts& texts, std::string_view message) {
  SetNumberFormat(app, cell, format);
  auto validation = app.Selection().Validation();
  validation.Delete();
  validation.Add(xl::ValidateList, xl::ValidAlertStop, xl::Between, listName);
  validation.setIgnoreBlank(true);
  validation.setInCellDropdown(true);
  validation.setErrorTitle(std::string(texts.validationTitle));
  validation.setInputMessage(std::string(message));
  validation.setErrorMessage(std::string(message));
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

void TimeLists(Excel& app, const SheetGeometry& base) {
  const SheetOptions& options = base.options();
  const ListCells times = base.timeList();
  for (int i = 1; i <= times.lastRow - times.firstRow + 1; ++i)
    app.Range(A1(times.column, times.firstRow + i - 1))
        .setValue(spreadsheet::CellValue(TimeListValue(options, i)));
  app.Range(spreadsheet::toA1(times.range())).Select();
  app.Selection().setNumberFormat(TimeListFormat(options));
  const std::string sheet = app.ActiveSheet().Name();
  app.ActiveWorkbook().Names().Add(times.name, refersTo(sheet, times));

  // The break list's name starts one row above its first duration.
  const ListCells breaks = base.breakList();
  int row = breaks.firstRow;
  for (const std::string& text : BreakListTexts(options))
    WriteCell(app, A1(breaks.column, ++row), text, true);
  app.Range(A1(breaks.column, breaks.firstRow + 1, breaks.column, breaks.lastRow)).Select();
  app.Selection().setNumberFormat("h:mm");
  app.ActiveWorkbook().Names().Add(breaks.name, refersTo(sheet, breaks));
  app.Range(A1(SheetGeometry::kAfterListsCell)).Select();
}

void AttachTimeValidation(Excel& app, const SheetGeometry& base, const std::string& cell) {
  const SheetTexts& texts = base.texts();
  attachListValidation(app, cell, TimeCellFormat(base.options()), "=Time0", texts,
                       texts.timeMessage);
}

void AttachBreakValidation(Excel& app, const SheetGeometry& base, const std::string& cell) {
  const SheetTexts& texts = base.texts();
  attachListValidation(app, cell, "hh:mm", "=LunchTime", texts, texts.breakMessage);
}

}  // namespace generator::layout
