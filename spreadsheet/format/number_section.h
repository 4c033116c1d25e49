#pragma once
#include "spreadsheet/format/format_code.h"
#include "spreadsheet/format/section_output.h"

namespace spreadsheet::format {

// Writes a non-negative number through a section of digit placeholders:
// plain, grouped, scaled, percent, scientific or fraction layouts.
void renderNumber(const Section& section, double value, SectionOutput& out);

}  // namespace spreadsheet::format
