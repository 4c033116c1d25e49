#pragma once
#include <QByteArray>
#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

namespace spreadsheet::pdf {

// Kerning between neighbouring glyphs as an OpenType shaper applies it to
// text without marks: the pair-adjustment lookups of a script's 'kern'
// feature in the GPOS table, or, where that script has none, the old 'kern'
// table. Only what moves the first glyph's advance is read; a font whose
// kerning does more (placements, device tables, other lookup kinds, language
// systems) is refused, so that a caller can lay its text out elsewhere.
class PairKerning {
 public:
  PairKerning() = default;
  // From the GPOS table for the script `scriptTag` ("latn"; "DFLT" for text
  // of common characters only), else from the old kern table. Throws
  // spreadsheet::Error when a table is damaged or does more than advances.
  PairKerning(const QByteArray& gpos, const QByteArray& kern, const char* scriptTag);

  // Calls `add(i, units)` for each adjustment of the advance of glyph i (in
  // font units, each to be scaled on its own, as shapers round each value).
  void apply(std::span<const std::uint32_t> glyphs,
             const std::function<void(std::size_t, int)>& add) const;

 private:
  struct ClassDef {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> ranges;  // first..last glyph
    std::vector<int> classes;                                     // one per range
    int classOf(std::uint32_t glyph) const;
  };
  // One pair-adjustment subtable: its first glyphs by coverage index.
  struct Subtable {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> coverage;  // first..last glyph
    std::vector<int> coverageStart;                                 // index of each range's first
    int format = 1;
    std::vector<std::vector<std::pair<std::uint32_t, int>>> pairs;  // format 1: by index
    ClassDef first, second;                                         // format 2
    int secondCount = 0;
    std::vector<int> values;                 // format 2: first class × second class
    int covered(std::uint32_t glyph) const;  // its coverage index, or -1
    // The adjustment of the pair, or nullopt when the subtable does not take it.
    std::optional<int> adjust(std::uint32_t left, std::uint32_t right) const;
  };
  void readGpos(const QByteArray& gpos, const char* scriptTag);
  void readLookup(const QByteArray& gpos, qsizetype at);
  void readSubtable(const QByteArray& gpos, qsizetype at, std::vector<Subtable>& into);
  void readKern(const QByteArray& kern);

  std::vector<std::vector<Subtable>> lookups_;  // applied one after the other over the text
};

}  // namespace spreadsheet::pdf
