#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/formula_tokens.h"
#include "spreadsheet/xls/globals_records.h"

namespace spreadsheet::xls {

// What the globals substream gives the sheet readers.
struct ReaderContext {
  explicit ReaderContext(Workbook& b) : book(b) {}
  Workbook& book;
  std::vector<Font> fonts;        // FONT records in file order (index 4 not counted)
  std::vector<StyleId> xfStyles;  // per XF index
  std::vector<std::string> strings;
  std::vector<NameRecord> names;
  std::vector<Xti> xtis;
  std::vector<std::string> sheetNames;

  StyleId styleOf(std::uint16_t xf, const ByteReader& at) const;
  // The font of a file FONT index; nullopt for index 4 or one past the table.
  std::optional<Font> fontOf(unsigned index) const;
  TokenNames tokenNames() const;
  // The OnAction text of a button macro reference; nullopt when it points at no macro name.
  std::optional<std::string> macroName(std::uint16_t xti, std::uint32_t nameIndex) const;
};

// Reads one worksheet substream from its BOF to its EOF into `sheet`.
void readSheet(RecordCursor& cursor, const ReaderContext& ctx, Worksheet& sheet);

}  // namespace spreadsheet::xls
