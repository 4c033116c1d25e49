#pragma once

// The start-up check that a spreadsheet instance can be created.
namespace automation {

// The advice shown when no instance can be created: five lines with a blank
// line between each two.
extern const char* const kNoExcelMessage;

// Returns when an instance can be created (it is dropped again at once).
// Otherwise shows the advice (OK, no icon, the application title) and ends
// the program at once, without storing the choices.
void CheckExcelInstalled();

}  // namespace automation
