#include "spreadsheet/pdf/pair_kerning.h"

#include <algorithm>
#include <bit>
#include <optional>

#include "spreadsheet/pdf/font_bytes.h"

namespace spreadsheet::pdf {

namespace {

constexpr std::uint32_t kXAdvance = 0x4;
constexpr std::uint32_t kPairAdjustment = 2, kExtension = 9;
// Lookup flags that skip glyphs other than marks: a text of our kind has none
// of the marks the rest skip, but these would change which glyphs meet.
constexpr std::uint32_t kIgnoreBaseOrLigatures = 0x6;
constexpr std::uint32_t kNoFeature = 0xFFFF;

[[noreturn]] void unsupported(const char* table) {
  throw Error(std::string("The font's table '") + table + "' positions glyphs in ways not read.");
}

std::uint32_t tagAt(const QByteArray& data, qsizetype at, const char* table) {
  return readU32(data, at, table);
}

std::uint32_t tagOf(const char* tag) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(tag[0])) << 24 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(tag[1])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(tag[2])) << 8 |
         static_cast<unsigned char>(tag[3]);
}

// Ranges of glyphs (first, last) and the coverage index of each range's first glyph.
void readCoverage(const QByteArray& d, qsizetype at,
                  std::vector<std::pair<std::uint32_t, std::uint32_t>>& ranges,
                  std::vector<int>& starts) {
  const std::uint32_t format = readU16(d, at, "GPOS"), count = readU16(d, at + 2, "GPOS");
  for (std::uint32_t i = 0; i < count; ++i) {
    if (format == 1) {
      const std::uint32_t glyph = readU16(d, at + 4 + 2 * i, "GPOS");
      ranges.emplace_back(glyph, glyph);
      starts.push_back(static_cast<int>(i));
    } else if (format == 2) {
      const qsizetype r = at + 4 + 6 * static_cast<qsizetype>(i);
      ranges.emplace_back(readU16(d, r, "GPOS"), readU16(d, r + 2, "GPOS"));
      starts.push_back(static_cast<int>(readU16(d, r + 4, "GPOS")));
    } else {
      damagedTable("GPOS");
    }
    if (ranges.back().first > ranges.back().second ||
        (ranges.size() > 1 && ranges[ranges.size() - 2].second >= ranges.back().first))
      damagedTable("GPOS");
  }
}

// A class definition as sorted, disjoint ranges of glyphs with their classes.
void readClasses(const QByteArray& d, qsizetype at,
                 std::vector<std::pair<std::uint32_t, std::uint32_t>>& ranges,
                 std::vector<int>& classes) {
  const std::uint32_t format = readU16(d, at, "GPOS");
  if (format == 1) {
    const std::uint32_t start = readU16(d, at + 2, "GPOS"), n = readU16(d, at + 4, "GPOS");
    for (std::uint32_t k = 0; k < n; ++k) {
      ranges.emplace_back(start + k, start + k);
      classes.push_back(static_cast<int>(readU16(d, at + 6 + 2 * k, "GPOS")));
    }
  } else if (format == 2) {
    const std::uint32_t n = readU16(d, at + 2, "GPOS");
    for (std::uint32_t k = 0; k < n; ++k) {
      const qsizetype r = at + 4 + 6 * static_cast<qsizetype>(k);
      ranges.emplace_back(readU16(d, r, "GPOS"), readU16(d, r + 2, "GPOS"));
      classes.push_back(static_cast<int>(readU16(d, r + 4, "GPOS")));
    }
  } else {
    damagedTable("GPOS");
  }
  for (std::size_t k = 0; k < ranges.size(); ++k)
    if (ranges[k].first > ranges[k].second || (k > 0 && ranges[k - 1].second >= ranges[k].first))
      damagedTable("GPOS");
}

// Index of the range holding `glyph` in sorted, disjoint ranges, or -1.
int rangeOf(const std::vector<std::pair<std::uint32_t, std::uint32_t>>& ranges,
            std::uint32_t glyph) {
  const auto it = std::upper_bound(ranges.begin(), ranges.end(), glyph,
                                   [](std::uint32_t g, const auto& r) { return g < r.first; });
  if (it == ranges.begin() || std::prev(it)->second < glyph) return -1;
  return static_cast<int>(std::prev(it) - ranges.begin());
}

}  // namespace

int PairKerning::ClassDef::classOf(std::uint32_t glyph) const {
  const int r = rangeOf(ranges, glyph);
  return r < 0 ? 0 : classes[static_cast<std::size_t>(r)];
}

int PairKerning::Subtable::covered(std::uint32_t glyph) const {
  const int r = rangeOf(coverage, glyph);
  if (r < 0) return -1;
  return coverageStart[static_cast<std::size_t>(r)] +
         static_cast<int>(glyph - coverage[static_cast<std::size_t>(r)].first);
}

std::optional<int> PairKerning::Subtable::adjust(std::uint32_t left, std::uint32_t right) const {
  const int index = covered(left);
  if (index < 0) return std::nullopt;
  if (format == 1) {
    if (static_cast<std::size_t>(index) >= pairs.size()) return std::nullopt;
    const auto& set = pairs[static_cast<std::size_t>(index)];
    const auto it = std::lower_bound(set.begin(), set.end(), std::make_pair(right, INT_MIN));
    if (it == set.end() || it->first != right) return std::nullopt;
    return it->second;
  }
  // A class pair applies whenever both classes exist, also with a zero value.
  const int a = first.classOf(left), b = second.classOf(right);
  const std::size_t cell = static_cast<std::size_t>(a) * static_cast<std::size_t>(secondCount) +
                           static_cast<std::size_t>(b);
  if (b >= secondCount || cell >= values.size()) return std::nullopt;
  return values[cell];
}

PairKerning::PairKerning(const QByteArray& gpos, const QByteArray& kern, const char* scriptTag) {
  if (!gpos.isEmpty()) readGpos(gpos, scriptTag);
  if (lookups_.empty() && !kern.isEmpty()) readKern(kern);
}

void PairKerning::readGpos(const QByteArray& d, const char* scriptTag) {
  const qsizetype scripts = readU16(d, 4, "GPOS"), features = readU16(d, 6, "GPOS"),
                  lookups = readU16(d, 8, "GPOS");
  // The script as a shaper picks it: the one named, else the default script.
  qsizetype script = -1;
  for (const std::uint32_t wanted : {tagOf(scriptTag), tagOf("DFLT")}) {
    const std::uint32_t count = readU16(d, scripts, "GPOS");
    for (std::uint32_t i = 0; i < count && script < 0; ++i)
      if (tagAt(d, scripts + 2 + 6 * i, "GPOS") == wanted)
        script = scripts + readU16(d, scripts + 6 + 6 * i, "GPOS");
    if (script >= 0) break;
  }
  if (script < 0) return;
  // Languages would make the kerning depend on the reader's locale.
  if (readU16(d, script + 2, "GPOS") != 0) unsupported("GPOS");
  const std::uint32_t defaultLanguage = readU16(d, script, "GPOS");
  if (defaultLanguage == 0) return;
  const qsizetype language = script + defaultLanguage;
  if (readU16(d, language + 2, "GPOS") != kNoFeature) unsupported("GPOS");
  std::vector<std::uint32_t> indices;
  const std::uint32_t featureCount = readU16(d, language + 4, "GPOS");
  for (std::uint32_t i = 0; i < featureCount; ++i) {
    const std::uint32_t feature = readU16(d, language + 6 + 2 * i, "GPOS");
    const qsizetype record = features + 2 + 6 * static_cast<qsizetype>(feature);
    if (feature >= readU16(d, features, "GPOS")) damagedTable("GPOS");
    if (tagAt(d, record, "GPOS") != tagOf("kern")) continue;
    const qsizetype table = features + readU16(d, record + 4, "GPOS");
    const std::uint32_t count = readU16(d, table + 2, "GPOS");
    for (std::uint32_t k = 0; k < count; ++k)
      indices.push_back(readU16(d, table + 4 + 2 * k, "GPOS"));
  }
  // Lookups run in the order of the lookup list, each once.
  std::sort(indices.begin(), indices.end());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  for (const std::uint32_t index : indices) {
    if (index >= readU16(d, lookups, "GPOS")) damagedTable("GPOS");
    readLookup(d, lookups + readU16(d, lookups + 2 + 2 * index, "GPOS"));
  }
}

void PairKerning::readLookup(const QByteArray& d, qsizetype at) {
  const std::uint32_t type = readU16(d, at, "GPOS"), flags = readU16(d, at + 2, "GPOS"),
                      count = readU16(d, at + 4, "GPOS");
  if (flags & kIgnoreBaseOrLigatures) unsupported("GPOS");
  std::vector<Subtable> subtables;
  for (std::uint32_t i = 0; i < count; ++i) {
    qsizetype sub = at + readU16(d, at + 6 + 2 * i, "GPOS");
    std::uint32_t subType = type;
    if (type == kExtension) {
      subType = readU16(d, sub + 2, "GPOS");
      sub += readU32(d, sub + 4, "GPOS");
    }
    if (subType != kPairAdjustment) unsupported("GPOS");
    readSubtable(d, sub, subtables);
  }
  lookups_.push_back(std::move(subtables));
}

void PairKerning::readSubtable(const QByteArray& d, qsizetype at, std::vector<Subtable>& into) {
  Subtable s;
  s.format = static_cast<int>(readU16(d, at, "GPOS"));
  readCoverage(d, at + readU16(d, at + 2, "GPOS"), s.coverage, s.coverageStart);
  // Only the first glyph's advance may move.
  const std::uint32_t first = readU16(d, at + 4, "GPOS"), second = readU16(d, at + 6, "GPOS");
  if ((first & ~kXAdvance) != 0 || second != 0) unsupported("GPOS");
  const qsizetype valueSize = first ? 2 : 0;
  const auto valueAt = [&](qsizetype v) { return first ? readS16(d, v, "GPOS") : 0; };
  if (s.format == 1) {
    const std::uint32_t sets = readU16(d, at + 8, "GPOS");
    for (std::uint32_t i = 0; i < sets; ++i) {
      const qsizetype set = at + readU16(d, at + 10 + 2 * i, "GPOS");
      std::vector<std::pair<std::uint32_t, int>> pairs;
      const std::uint32_t n = readU16(d, set, "GPOS");
      for (std::uint32_t k = 0; k < n; ++k) {
        const qsizetype record = set + 2 + static_cast<qsizetype>(k) * (2 + valueSize);
        pairs.emplace_back(readU16(d, record, "GPOS"), valueAt(record + 2));
      }
      std::sort(pairs.begin(), pairs.end());
      s.pairs.push_back(std::move(pairs));
    }
  } else if (s.format == 2) {
    readClasses(d, at + readU16(d, at + 8, "GPOS"), s.first.ranges, s.first.classes);
    readClasses(d, at + readU16(d, at + 10, "GPOS"), s.second.ranges, s.second.classes);
    const std::uint32_t firstCount = readU16(d, at + 12, "GPOS");
    s.secondCount = static_cast<int>(readU16(d, at + 14, "GPOS"));
    for (std::uint32_t k = 0; k < firstCount * static_cast<std::uint32_t>(s.secondCount); ++k)
      s.values.push_back(valueAt(at + 16 + static_cast<qsizetype>(k) * valueSize));
  } else {
    damagedTable("GPOS");
  }
  into.push_back(std::move(s));
}

void PairKerning::readKern(const QByteArray& d) {
  // Version 0: horizontal subtables of format 0, each a sorted list of pairs.
  constexpr std::uint32_t kHorizontal = 0x1, kOtherUse = 0x6, kOverride = 0x8;
  if (readU16(d, 0, "kern") != 0) unsupported("kern");
  const std::uint32_t count = readU16(d, 2, "kern");
  qsizetype at = 4;
  for (std::uint32_t i = 0; i < count; ++i) {
    const qsizetype length = readU16(d, at + 2, "kern");
    const std::uint32_t coverage = readU16(d, at + 4, "kern");
    if (coverage >> 8 != 0 || (coverage & kOtherUse) || (coverage & kOverride) ||
        !(coverage & kHorizontal))
      unsupported("kern");
    Subtable s;
    const std::uint32_t pairs = readU16(d, at + 6, "kern");
    for (std::uint32_t k = 0; k < pairs; ++k) {
      const qsizetype record = at + 14 + 6 * static_cast<qsizetype>(k);
      const std::uint32_t left = readU16(d, record, "kern");
      if (s.coverage.empty() || s.coverage.back().first != left) {
        if (!s.coverage.empty() && s.coverage.back().first > left) damagedTable("kern");
        s.coverage.emplace_back(left, left);
        s.coverageStart.push_back(static_cast<int>(s.pairs.size()));
        s.pairs.emplace_back();
      }
      s.pairs.back().emplace_back(readU16(d, record + 2, "kern"), readS16(d, record + 4, "kern"));
    }
    for (auto& set : s.pairs) std::sort(set.begin(), set.end());
    lookups_.push_back({std::move(s)});
    if (length < 14) damagedTable("kern");
    at += length;
  }
}

void PairKerning::apply(std::span<const std::uint32_t> glyphs,
                        const std::function<void(std::size_t, int)>& add) const {
  for (const auto& lookup : lookups_)
    for (std::size_t i = 0; i + 1 < glyphs.size(); ++i)
      for (const Subtable& s : lookup)
        if (const auto value = s.adjust(glyphs[i], glyphs[i + 1])) {
          if (*value != 0) add(i, *value);
          break;
        }
}

}  // namespace spreadsheet::pdf
