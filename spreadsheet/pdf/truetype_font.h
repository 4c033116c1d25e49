#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <set>
#include <vector>

namespace spreadsheet::pdf {

// A font's table by its four-letter tag ("head", "cvt "); empty when the font has none.
using FontTables = std::function<QByteArray(const char* tag)>;

// The tables of a TrueType font that a PDF needs: metrics for the font's
// description and widths, and a copy of the font cut down to the glyphs a
// page shows. Glyph numbers stay as they are, so a page can name glyphs by
// their numbers in the font (CIDToGIDMap /Identity).
class TrueTypeFont {
 public:
  // Reads the tables of a font; throws spreadsheet::Error when they are
  // missing or damaged (an outline font of another kind, say).
  explicit TrueTypeFont(const FontTables& font);

  int unitsPerEm() const { return unitsPerEm_; }
  int glyphCount() const { return glyphCount_; }
  int advance(std::uint32_t glyph) const;  // font units
  // In font units: the box of all glyphs, ascent and descent, capital height.
  int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  int ascent = 0, descent = 0, capHeight = 0;
  double italicAngle = 0;
  QString postScriptName;

  // A font file holding `glyphs` (with glyph 0 and the parts of composite
  // glyphs) and everything the others need to be left out.
  QByteArray subset(const std::set<std::uint32_t>& glyphs) const;

 private:
  void readMetrics(const FontTables& font);
  QByteArray glyphData(std::uint32_t glyph) const;
  void addComponents(std::uint32_t glyph, std::set<std::uint32_t>& glyphs) const;

  QByteArray head_, hhea_, maxp_, hmtx_, glyf_, cvt_, fpgm_, prep_;
  std::vector<std::uint32_t> loca_;  // glyph offsets into glyf_, glyphCount_ + 1 of them
  int unitsPerEm_ = 1000;
  int glyphCount_ = 0;
  int horizontalMetrics_ = 0;
};

}  // namespace spreadsheet::pdf
