#pragma once
#include <QByteArray>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "spreadsheet/pdf/pair_kerning.h"
#include "spreadsheet/pdf/truetype_font.h"

namespace spreadsheet::pdf {

// A line of text laid out in one face at one pixel size: its glyphs and where
// each starts, in 26.6 fixed point (64ths of a pixel) from the line's origin.
struct ShapedLine {
  std::vector<std::uint32_t> glyphs;
  std::vector<std::int64_t> x;  // one per glyph
  std::int64_t width = 0;       // the pen's position after the last glyph
};

// A face's sizes at one pixel size, in 26.6 fixed point.
struct SizedMetrics {
  std::int64_t ascent = 0, descent = 0;  // above and below the baseline, both positive
  std::int64_t underlinePosition = 0;    // below the baseline
  std::int64_t lineThickness = 0;
};

// A TrueType face that lays out a line as the desktop's text engine does with
// a scalable face and light hinting (FreeType sizes, unhinted advances cut to
// 64ths, OpenType pair kerning rounded per value), so that a page laid out
// here keeps the positions it had there. It handles the characters of Latin
// sheets only, each to one glyph, and refuses the rest.
class TextFace {
 public:
  // Reads the font's tables; throws spreadsheet::Error when they are missing
  // or damaged, or when the font's kerning does more than this layout reads.
  explicit TextFace(const FontTables& tables);

  const std::shared_ptr<const TrueTypeFont>& font() const { return font_; }
  SizedMetrics metrics(int pixelSize) const;
  // The glyph each character maps to, or 0 when the face has none.
  std::uint32_t glyphOf(char32_t c) const;
  // The line, or nullopt when a character is one this layout does not handle
  // (outside the Latin ranges, a control or mark) or the face lacks.
  std::optional<ShapedLine> shape(QStringView text, int pixelSize) const;
  // One glyph's advance in 26.6, unhinted.
  std::int64_t advance(std::uint32_t glyph, int pixelSize) const;

 private:
  void readCmap(const QByteArray& cmap);

  std::shared_ptr<const TrueTypeFont> font_;
  struct Segment {
    char32_t first, last;
    std::uint32_t glyph;  // of `first`; glyphs then run on
  };
  std::vector<Segment> segments_;  // sorted, disjoint
  PairKerning latin_, common_;     // by the text's script: Latin letters, or none
  int underlinePosition_ = 0, underlineThickness_ = 0;  // font units, from 'post'
};

}  // namespace spreadsheet::pdf
