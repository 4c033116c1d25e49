#include "generator/time_sheet.h"

#include <algorithm>

#include "generator/layout_blocks.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/model/error.h"

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
  return choices;
}

LayoutState& SheetLayout() {
  static LayoutState state;
  return state;
}

namespace {

// Refuses, before anything changes, what the layout cannot draw.
void checkArguments(int startDay, const LayoutChoices& choices) {
  const bool anyDay =
      std::any_of(choices.days.begin(), choices.days.end(), [](bool d) { return d; });
  if (startDay < 1 || startDay > kDayCount || choices.weekIndex < 0 ||
      choices.weekIndex >= kWeekListSize || choices.shiftIndex < 0 ||
      choices.shiftIndex >= kShiftListSize || !anyDay)
    throw spreadsheet::Error("Invalid procedure call or argument");
}

}  // namespace

void BuildSheetLayout(spreadsheet::api::Application& app, int startDay,
                      const LayoutChoices& choices) {
  using namespace layout;
  checkArguments(startDay, choices);
  LayoutState& state = SheetLayout();
  state.WeekCount = choices.weekIndex + 1;
  state.ShiftCount = choices.shiftIndex + 1;
  state.EnabledDays = {1, 2, 3, 4, 5, 6, 7};

  InstallPalette(app, choices.palette);
  ClearToWhiteArial(app);
  FrameAndGridBorders(app);
  ColumnWidths(app);
  const int enabled = static_cast<int>(std::count(choices.days.begin(), choices.days.end(), true));
  if (state.WeekCount == 1) WidenTotalColumnForOneWeek(app, enabled);
  RowHeights(app);
  HeaderBlock(app, choices.fields);
  GridLabelsAndTotals(app, startDay);
  SignatureBlocks(app, choices.fields);
  TimeLists(app);
  DayBlocks(app, startDay);
  GridFormats(app);
  RemoveSwitchedOffDays(app, choices.days, state);
  FirstDayEdge(app);
  Title(app);
  ReplicateWeeks(app, state);
  ReplicateShifts(app, state);
  MarkerAndPageSetup(app, state);
}

}  // namespace generator
