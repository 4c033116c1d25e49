#include "generator/time_sheet.h"

#include "generator/layout_blocks.h"
#include "generator/sheet_macros.h"
#include "spreadsheet/api/api.h"

namespace generator {

LayoutChoices DefaultLayoutChoices() {
  LayoutChoices choices;
  choices.fields.fill(true);
  choices.days = {false, true, true, true, true, true, false};
  return choices;
}

LayoutChoices CurrentLayoutChoices(const ChoiceControls& controls) {
  LayoutChoices choices;
  choices.fields = FieldChoices().flags;
  choices.days = DayChoices();
  choices.palette = Palette();
  choices.weekIndex = controls.comboIndex(1);
  choices.shiftIndex = controls.comboIndex(2);
  choices.sheet = SheetOptionChoices();
  return choices;
}

SheetGeometry BuildSheetLayout(spreadsheet::api::Application& app, int startDay,
                               const LayoutChoices& choices) {
  using namespace layout;
  const SheetGeometry sheet = SheetGeometry::of(choices, startDay);
  // Drawn first with all seven days, one week and one shift; then the days
  // that are off go, and weeks and shifts are copied out.
  const SheetGeometry base = sheet.base();

  InstallPalette(app, choices.palette);
  ClearToWhiteArial(app, base);
  FrameAndGridBorders(app, base);
  ColumnWidths(app, base);
  if (sheet.weeks() == 1) WidenTotalColumn(app, sheet);
  RowHeights(app);
  HeaderBlock(app, choices.fields, base, sheet.weeks());
  GridLabelsAndTotals(app, base);
  SignatureBlocks(app, choices.fields, base);
  TimeLists(app, base);
  DayBlocks(app, base);
  GridFormats(app, base);
  RemoveSwitchedOffDays(app, base, sheet);
  FirstDayEdge(app, sheet);
  Title(app, sheet.texts());
  ReplicateWeeks(app, sheet);
  ReplicateShifts(app, sheet);
  OvertimeFormulas(app, sheet);
  FitTexts(app, sheet);
  MarkerAndPageSetup(app, sheet);
  ProtectFormulas(app, sheet, choices.fields);
  UseSheetMacros(app);
  return sheet;
}

}  // namespace generator
