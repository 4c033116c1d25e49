#pragma once
#include "generator/time_sheet.h"

// The largest template every benchmark measures: all seven days, 4 weeks, 20 shifts.
inline generator::LayoutChoices largestChoices() {
  generator::LayoutChoices choices = generator::DefaultLayoutChoices();
  choices.days.fill(true);
  choices.weekIndex = 3;
  choices.shiftIndex = 19;
  return choices;
}
