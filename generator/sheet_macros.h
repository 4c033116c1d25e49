#pragma once
#include <string>

#include "generator/day_columns.h"
#include "generator/sheet_geometry.h"
#include "resources/macro_tables.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/model/address.h"

// The "Same as Previous" macros a sheet needs, told by the sheet itself (its
// first day's name, its protection, whether its hours are computed), so the
// .xls made now and any format converted from it later carry the same variant.
namespace generator {

// In the header: the save road reads it too, below the generator.
inline macro_tables::MacroVariant SheetMacroVariant(spreadsheet::api::Application& app) {
  const std::string firstDay = spreadsheet::ColumnLetters(kFirstDayColumn);
  macro_tables::MacroVariant variant;
  variant.language =
      SheetLanguageOfDayName(app.Range(firstDay + "9").Value().toText()).value_or(variant.language);
  variant.sheetProtected = app.ActiveSheet().ProtectContents();
  // The marker holds the last row of the day columns; "Regular" is 3 rows above it.
  const spreadsheet::CellAddress marker = SheetGeometry::kMarkerCell;
  const auto lastRow =
      app.Range(spreadsheet::ColumnLetters(marker.column) + std::to_string(marker.row)).Value();
  if (lastRow.isNumber() && lastRow.number() > 3)
    variant.computedHours =
        app.Range(firstDay + std::to_string(int(lastRow.number()) - 3)).HasFormula();
  return variant;
}

// Gives the workbook's VBA module the variant its sheet needs when that is not
// the one the template carries (the template's: the language, nothing else).
void UseSheetMacros(spreadsheet::api::Application& app);

}  // namespace generator
