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

// The macro source with every placeholder replaced.
inline std::string Fill(std::string source) {
  replaceAll(source, "@DAY_COLUMN_LETTERS@", DayColumnLetters());
  replaceAll(source, "@DAY_COLUMN_COUNT@", std::to_string(generator::kDayColumnTableSize));
  // The sheet interface counts columns from 0.
  replaceAll(source, "@FIRST_DAY_COLUMN_INDEX@", std::to_string(generator::kFirstDayColumn - 1));
  replaceAll(source, "@COLUMNS_PER_DAY@", std::to_string(generator::kColumnsPerDay));
  return source;
}

}  // namespace macro_tables
