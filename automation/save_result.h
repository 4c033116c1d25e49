#pragma once
#include <string>

// Saving the generated workbook where the user or the command line asks.
namespace automation {

// Saves the generated .xls at `target` in the format of the target's ending:
// the file copied as it is for .xls (and for any other ending or none), else
// opened in a new hidden instance and saved with SaveAs in that format. Whole
// or nothing at `target`. Throws std::runtime_error("File not found") when the
// generated file is missing, spreadsheet::Error when it cannot be read or
// `target` cannot be written.
void SaveGeneratedWorkbook(const std::string& generated, const std::string& target);

}  // namespace automation
