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

// What a workbook's macros are filled for: the day names of the sheet's
// language, and whether the copy lifts the sheet's protection.
struct MacroVariant {
  generator::SheetLanguage language = generator::SheetLanguage::English;
  bool sheetProtected = false;
};

// The macro source with every placeholder replaced.
inline std::string Fill(std::string source, const MacroVariant& variant, Dialect dialect) {
  source = KeepProtectionLines(source, variant.sheetProtected);
  replaceAll(source, "@DAY_NAMES@", DayNames(variant.language, dialect));
  replaceAll(source, "@DAY_COLUMN_LETTERS@", DayColumnLetters());
  replaceAll(source, "@DAY_COLUMN_COUNT@", std::to_string(generator::kDayColumnTableSize));
  // The sheet interface counts columns from 0.
  replaceAll(source, "@FIRST_DAY_COLUMN_INDEX@", std::to_string(generator::kFirstDayColumn - 1));
  replaceAll(source, "@COLUMNS_PER_DAY@", std::to_string(generator::kColumnsPerDay));
  return source;
}

}  // namespace macro_tables
