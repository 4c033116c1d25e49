#pragma once
#include "spreadsheet/format/format_code.h"
#include "spreadsheet/format/section_output.h"

namespace spreadsheet::format {

// Writes a serial date-time through a section of date and time codes.
// The time is rounded to the smallest unit shown among seconds and its
// fractions (whole seconds otherwise) before it is split, so 23:59:59.6
// shown as h:mm:ss becomes 0:00:00 of the next day. Returns false, writing
// nothing, for a value the 1900 date system cannot show (negative or after
// 31 December 9999).
bool renderDateTime(const Section& section, double serial, SectionOutput& out);

}  // namespace spreadsheet::format
