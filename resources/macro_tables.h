#pragma once
#include <string>
#include <string_view>

#include "generator/day_columns.h"
#include "generator/sheet_texts.h"
#include "generator/utf8.h"
#include "spreadsheet/model/address.h"

// The workbook macros name the day columns and the day names through
// placeholders that are filled from the layout's own tables: the VBA module
// at build time (fill_macro_tables, once per sheet language), the Basic module
// when an .ods is written.
namespace macro_tables {

// Which language the module is written in: VBA keeps its source in the
// project's code page, Basic in the document's UTF-8.
enum class Dialect { Vba, Basic };

// A string literal of `text` (UTF-8). VBA gets every character outside ASCII
// as ChrW(code), so the name survives any code page: "Mi" & ChrW(233) & "rcoles".
inline std::string StringLiteral(std::string_view text, Dialect dialect) {
  if (dialect == Dialect::Basic) return "\"" + std::string(text) + "\"";
  std::string out, run;
  const auto add = [&out](const std::string& part) { out += (out.empty() ? "" : " & ") + part; };
  const auto flush = [&] {
    if (!run.empty()) add("\"" + run + "\"");
    run.clear();
  };
  for (std::size_t i = 0; i < text.size();) {
    const char32_t code = generator::NextCodePoint(text, i);
    if (code < 0x80) {
      run += static_cast<char>(code);
      continue;
    }
    flush();
    add("ChrW(" + std::to_string(static_cast<unsigned long>(code)) + ")");
  }
  flush();
  return out.empty() ? "\"\"" : out;
}

// The seven day names of `language`, Monday first as the macros list them.
inline std::string DayNames(generator::SheetLanguage language, Dialect dialect) {
  const auto& days = generator::SheetTextsOf(language).days;
  std::string text;
  for (std::size_t d = 1; d <= days.size(); ++d)
    text += (d > 1 ? ", " : "") + StringLiteral(days[d % days.size()], dialect);
  return text;
}

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

// Lines that begin with a mark belong to one variant of the macro: kept,
// without the mark, when the sheet needs them; dropped otherwise, so the macro
// of the sheet as it always was stays as it always was.
// The copy lifts the sheet's protection and puts it back.
inline constexpr std::string_view kProtectedSheetMark = "@PROTECTED_SHEET@";
// The copy leaves the day's computed "Regular" and "Overtime" formulas in place.
inline constexpr std::string_view kComputedHoursMark = "@COMPUTED_HOURS@";

inline std::string KeepMarkedLines(const std::string& source, std::string_view mark, bool keep) {
  std::string text;
  for (std::size_t at = 0; at < source.size();) {
    std::size_t end = source.find('\n', at);
    end = end == std::string::npos ? source.size() : end + 1;
    const std::string_view line(source.data() + at, end - at);
    if (!line.starts_with(mark))
      text += line;
    else if (keep)
      text += line.substr(mark.size());
    at = end;
  }
  return text;
}

// What a workbook's macros are filled for: the day names of the sheet's
// language, whether the copy lifts the sheet's protection, and whether it
// leaves computed hours alone.
struct MacroVariant {
  generator::SheetLanguage language = generator::SheetLanguage::English;
  bool sheetProtected = false;
  bool computedHours = false;
  bool operator==(const MacroVariant&) const = default;
};

// The macro source with every placeholder replaced.
inline std::string Fill(std::string source, const MacroVariant& variant, Dialect dialect) {
  source = KeepMarkedLines(source, kProtectedSheetMark, variant.sheetProtected);
  source = KeepMarkedLines(source, kComputedHoursMark, variant.computedHours);
  replaceAll(source, "@DAY_NAMES@", DayNames(variant.language, dialect));
  const generator::SheetTexts& texts = generator::SheetTextsOf(variant.language);
  replaceAll(source, "@NO_DATA_MESSAGE@", StringLiteral(texts.noDataMessage, dialect));
  replaceAll(source, "@INFORMATION_TITLE@", StringLiteral(texts.informationTitle, dialect));
  replaceAll(source, "@DAY_COLUMN_LETTERS@", DayColumnLetters());
  replaceAll(source, "@DAY_COLUMN_COUNT@", std::to_string(generator::kDayColumnTableSize));
  // The sheet interface counts columns from 0.
  replaceAll(source, "@FIRST_DAY_COLUMN_INDEX@", std::to_string(generator::kFirstDayColumn - 1));
  replaceAll(source, "@COLUMNS_PER_DAY@", std::to_string(generator::kColumnsPerDay));
  return source;
}

}  // namespace macro_tables
