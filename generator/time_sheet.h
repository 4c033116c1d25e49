#pragma once
#include <array>
#include <string>

#include "generator/options.h"
#include "generator/sheet_geometry.h"
#include "generator/sheet_options.h"

namespace spreadsheet::api {
class Application;
}

// The time-sheet layout: everything is done through the engine's automation
// object model, mostly by selecting a range and setting members of Selection.
namespace generator {

// What the layout needs of the choices: the twelve field flags, the seven days
// (Sunday first), the palette and the selected indexes of the week and shift lists.
struct LayoutChoices {
  std::array<bool, kFieldCount> fields{};
  DayChoiceTable days{};
  PaletteTable palette = kPaletteColours;
  int weekIndex = 0;   // Combo1: weeks - 1
  int shiftIndex = 0;  // Combo2: shifts - 1
  SheetOptions sheet;
};

// The choices of a first start: every field, Monday to Friday, one week, one shift.
LayoutChoices DefaultLayoutChoices();

// The module tables (FieldChoices, DayChoices, Palette) and the two list indexes of the window.
LayoutChoices CurrentLayoutChoices(const ChoiceControls& controls);

// Lays the time sheet out on the active sheet of `app` and returns where
// everything stands. startDay 1..7 (1 = Sunday) is the first day of the week:
// the sheet shows the chosen days in week order from it. Arguments are checked
// before anything changes; the first failing engine call ends the layout with
// its spreadsheet::Error.
SheetGeometry BuildSheetLayout(spreadsheet::api::Application& app, int startDay,
                               const LayoutChoices& choices);

// A "Same as Previous" button over day column `column` (2.. day columns), when
// that column's row 9 holds a day name, captioned in the sheet's language.
// Throws for a column the macros cannot name (above 40).
void AddSameAsPreviousButton(spreadsheet::api::Application& app, int column,
                             const SheetTexts& texts = SheetTextsOf(SheetLanguage::English));

}  // namespace generator
