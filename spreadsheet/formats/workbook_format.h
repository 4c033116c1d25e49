#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The workbook file formats the engine writes, picked by file ending or by the
// application's SaveAs format code.
namespace spreadsheet::formats {

enum class WorkbookFormat { Xls, Xlsx, Xlsm, Ods };

struct FormatEntry {
  WorkbookFormat format;
  std::string_view ending;       // ".xls", lower case
  std::string_view description;  // for a save dialog's filter
};

// Every format, the Excel 97-2003 workbook first: it is the default.
const std::vector<FormatEntry>& AllFormats();
const FormatEntry& EntryOf(WorkbookFormat format);

// The format of a path's ending, compared without regard to case ("SHEET.XLSX");
// nullopt for any other ending or none.
std::optional<WorkbookFormat> FormatForPath(std::string_view path);

// The format a file written at `path` gets: that of its ending, the default
// .xls for a name without an ending, nullopt for an ending of no format.
std::optional<WorkbookFormat> FormatForOutput(std::string_view path);

// SaveAs FileFormat codes: 56 and -4143 -> .xls, 51 -> .xlsx, 52 -> .xlsm,
// 60 -> .ods; nullopt for any other code.
std::optional<WorkbookFormat> FormatForCode(int fileFormat);

// The SaveAs code that writes `format` (56 for the .xls).
int SaveAsCode(WorkbookFormat format);

// ".xls, .xlsx, .xlsm and .ods", for messages that name the choices.
std::string EndingsText();

}  // namespace spreadsheet::formats
