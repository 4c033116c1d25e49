#include "spreadsheet/formats/workbook_format.h"

#include <algorithm>
#include <cctype>

#include "spreadsheet/model/constants.h"

namespace spreadsheet::formats {

namespace {

// SaveAs codes of the formats beside the Excel 97-2003 workbook.
constexpr int kOpenXmlWorkbook = 51;
constexpr int kOpenXmlWorkbookMacroEnabled = 52;
constexpr int kOpenDocumentSpreadsheet = 60;

bool endsWithNoCase(std::string_view text, std::string_view ending) {
  if (text.size() < ending.size()) return false;
  return std::equal(ending.begin(), ending.end(), text.end() - ending.size(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  });
}

}  // namespace

const std::vector<FormatEntry>& AllFormats() {
  static const std::vector<FormatEntry> formats{
      {WorkbookFormat::Xls, ".xls", "Excel Files"},
      {WorkbookFormat::Xlsx, ".xlsx", "Excel Workbook"},
      {WorkbookFormat::Xlsm, ".xlsm", "Excel Macro-Enabled Workbook"},
      {WorkbookFormat::Ods, ".ods", "OpenDocument Spreadsheet"},
  };
  return formats;
}

const FormatEntry& EntryOf(WorkbookFormat format) {
  for (const FormatEntry& e : AllFormats())
    if (e.format == format) return e;
  return AllFormats().front();
}

std::optional<WorkbookFormat> FormatForPath(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  for (const FormatEntry& e : AllFormats())
    if (name.size() > e.ending.size() && endsWithNoCase(name, e.ending)) return e.format;
  return std::nullopt;
}

std::optional<WorkbookFormat> FormatForOutput(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  // A leading dot names a hidden file, not an ending.
  if (name.find('.', 1) == std::string_view::npos) return WorkbookFormat::Xls;
  return FormatForPath(path);
}

int SaveAsCode(WorkbookFormat format) {
  switch (format) {
    case WorkbookFormat::Xls:
      break;
    case WorkbookFormat::Xlsx:
      return kOpenXmlWorkbook;
    case WorkbookFormat::Xlsm:
      return kOpenXmlWorkbookMacroEnabled;
    case WorkbookFormat::Ods:
      return kOpenDocumentSpreadsheet;
  }
  return xl::Excel8;
}

std::optional<WorkbookFormat> FormatForCode(int fileFormat) {
  switch (fileFormat) {
    case xl::Excel8:
    case xl::WorkbookNormal:
      return WorkbookFormat::Xls;
    case kOpenXmlWorkbook:
      return WorkbookFormat::Xlsx;
    case kOpenXmlWorkbookMacroEnabled:
      return WorkbookFormat::Xlsm;
    case kOpenDocumentSpreadsheet:
      return WorkbookFormat::Ods;
    default:
      return std::nullopt;
  }
}

std::string EndingsText() {
  std::string text;
  const auto& all = AllFormats();
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (i > 0) text += i + 1 == all.size() ? " and " : ", ";
    text += all[i].ending;
  }
  return text;
}

}  // namespace spreadsheet::formats
