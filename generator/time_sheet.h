#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "generator/options.h"

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
};

// The choices of a first start: every field, Monday to Friday, one week, one shift.
LayoutChoices DefaultLayoutChoices();

// The module tables (FieldChoices, DayChoices, Palette) and the two list indexes of the window.
LayoutChoices CurrentLayoutChoices(const ChoiceControls& controls);

// Values the layout leaves for the driver and the buttons.
struct LayoutState {
  int WeekCount = 0;             // 1..4
  int ShiftCount = 0;            // 1..20
  std::vector<int> EnabledDays;  // day numbers 1..7 (1 = Sunday) that are on, in week order
  int EnabledDayCount = 0;       // 1..7
};
// The module-level values, updated as BuildSheetLayout goes.
LayoutState& SheetLayout();

// Lays the time sheet out on the active sheet of `app`. startDay 1..7 (1 = Sunday)
// is the first day of the base layout; the program passes 1. The first failing
// engine call ends it with its spreadsheet::Error.
void BuildSheetLayout(spreadsheet::api::Application& app, int startDay,
                      const LayoutChoices& choices);

// Letters of the day columns 1..40 (E, G, ..., CE), shared with the workbook's macro.
extern const std::array<std::string_view, 40> kDayColumnLetters;

// A "Same as Previous" button over day column `column` (2.. day columns), when
// that column's row 9 holds a day name. Throws for a column without a letter.
void AddSameAsPreviousButton(spreadsheet::api::Application& app, int column);

}  // namespace generator
