#pragma once
#include <cstdint>
#include <string>
#include <utility>

#include "spreadsheet/model/palette.h"
#include "spreadsheet/model/style.h"
#include "spreadsheet/xls/record_io.h"

namespace spreadsheet::xls {

inline constexpr std::uint16_t kFont = 0x0031;
inline constexpr std::uint16_t kFormat = 0x041E;
inline constexpr std::uint16_t kXf = 0x00E0;
inline constexpr std::uint16_t kStyle = 0x0293;
inline constexpr std::uint16_t kPalette = 0x0092;

// Colour indexes of the file: palette index n is stored as n + 7; the
// automatic colour has its own code per use.
inline constexpr unsigned kFontColorAutomatic = 0x7FFF;
inline constexpr unsigned kColorAutomatic = 64;
unsigned fileColor(int colorIndex, unsigned automatic);
int modelColor(unsigned fileIndex);  // xl::ColorAutomatic for anything outside the palette

void writeFont(RecordWriter& out, const Font& font);
Font readFont(ByteReader in);

void writeFormat(RecordWriter& out, unsigned index, const std::string& code);
std::pair<unsigned, std::string> readFormat(ByteReader in);
// The code of a format index the file may use without a FORMAT record.
std::string builtInFormat(unsigned index);

// One XF: which FONT and FORMAT it uses plus the rest of the style
// (Style::font and Style::numberFormat are not used here).
struct XfRecord {
  unsigned fontIndex = 0;
  unsigned formatIndex = 0;
  bool styleXf = false;  // a cell-style XF rather than a cell XF
  Style style;
};
void writeXf(RecordWriter& out, const XfRecord& xf);
XfRecord readXf(ByteReader in);

// The built-in Normal style bound to XF 0.
void writeStyle(RecordWriter& out);

void writePalette(RecordWriter& out, const Palette& palette);
Palette readPalette(ByteReader in);

}  // namespace spreadsheet::xls
