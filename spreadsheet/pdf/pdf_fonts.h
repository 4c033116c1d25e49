#pragma once
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "spreadsheet/pdf/pdf_file.h"
#include "spreadsheet/pdf/truetype_font.h"

namespace spreadsheet::pdf {

// One font of a page: its TrueType tables, the glyphs shown and the
// characters they stand for (so a reader can copy and search the text).
struct PdfFont {
  explicit PdfFont(std::shared_ptr<const TrueTypeFont> tables) : font(*tables), tables_(tables) {}
  int width(std::uint32_t glyph) const;  // thousandths of the font size, as the PDF names it
  const TrueTypeFont& font;
  std::set<std::uint32_t> glyphs;
  std::map<std::uint32_t, char32_t> characters;

 private:
  std::shared_ptr<const TrueTypeFont> tables_;
};

// A face as the text names it: family, style name, weight and slant.
using FontFace = std::tuple<QString, QString, int, int>;

// The fonts of a page by face, numbered in the order of their first use,
// written as Type 0 fonts with Identity-H encoding over a TrueType subset.
class PdfFonts {
 public:
  // The index of `face`, whose tables `tables` gives, or -1 when it cannot
  // be embedded. The tables are read once for each face the program meets.
  int indexOf(const FontFace& face, const FontTables& tables);
  // The index of a font read already (from its file).
  int indexOf(const std::shared_ptr<const TrueTypeFont>& font);
  PdfFont& at(int index) { return *fonts_[static_cast<std::size_t>(index)]; }
  // Writes every font into `file`; returns the entries of the page's /Font dictionary.
  std::string write(PdfFile& file) const;

 private:
  int add(const std::shared_ptr<const TrueTypeFont>& font);
  std::map<FontFace, int> byFace_;
  std::map<const TrueTypeFont*, int> byFont_;
  std::vector<std::unique_ptr<PdfFont>> fonts_;
};

// The name a font has in a page's resources: /F1, /F2, ...
std::string fontResource(int index);
void appendFontResource(std::string& out, int index);

}  // namespace spreadsheet::pdf
