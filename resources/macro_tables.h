#pragma once
#include <string>
#include <string_view>

#include "generator/day_columns.h"
#include "spreadsheet/model/address.h"

// The workbook macros name the day columns through placeholders that are
// filled from the layout's own table: the VBA module at build time
// (fill_macro_tables), the Basic module when an .ods is written.
namespace macro_tables {

// "E", "G", ... "CE", ten to a line, continued as VBA continues lines.
inline std::string DayColumnLetters() {
  std::string text;
  for (int k = 1; k <= generator::kDayColumnTableSize; ++k) {
    if (k > 1) text += (k - 1) % 10 == 0 ? ", _\n                    " : ", ";
    text += "\"" + spreadsheet::ColumnLetters(generator::DayColumnSheetColumn(k)) + "\"";
  }
  return text;
}

inline void replaceAll(std::string& text, std::string_view placeholder, const std::string& value) {
  for (std::size_t at = text.find(placeholder); at != std::string::npos;
       at = text.find(placeholder, at + value.size()))
    text.replace(at, placeholder.size(), value);
}

// Lines that begin with this mark lift the sheet's protection for a copy and
// put it back: kept, without the mark, for a protected sheet; dropped
// otherwise, so the macro of an unprotected sheet stays as it always was.
inline constexpr std::string_view kProtectedSheetMark = "@PROTECTED_SHEET@";

inline std::string KeepProtectionLines(const std::string& source, bool sheetProtected) {
  std::string text;
  for (std::size_t at = 0; at < source.size();) {
    std::size_t end = source.find('\n', at);
    end = end == std::string::npos ? source.size() : end + 1;
    const std::string_view line(source.data() + at, end - at);
    if (!line.starts_with(kProtectedSheetMark))
      text += line;
    else if (sheetProtected)
      text += line.substr(kProtectedSheetMark.size());
    at = end;
  }
  return text;
}

// The macro source with every placeholder replaced.
inline std::string Fill(std::string source, bool sheetProtected) {
  source = KeepProtectionLines(source, sheetProtected);
  replaceAll(source, "@DAY_COLUMN_LETTERS@", DayColumnLetters());
  replaceAll(source, "@DAY_COLUMN_COUNT@", std::to_string(generator::kDayColumnTableSize));
  // The sheet interface counts columns from 0.
  replaceAll(source, "@FIRST_DAY_COLUMN_INDEX@", std::to_string(generator::kFirstDayColumn - 1));
  replaceAll(source, "@COLUMNS_PER_DAY@", std::to_string(generator::kColumnsPerDay));
  return source;
}

}  // namespace macro_tables
