#include "spreadsheet/pdf/text_face.h"

#include <QChar>
#include <algorithm>

#include "spreadsheet/pdf/font_bytes.h"

namespace spreadsheet::pdf {

namespace {

// FreeType's fixed-point products and quotient: magnitudes rounded half up, sign kept.
std::int64_t mulFix(std::int64_t a, std::int64_t b) {
  const std::int64_t m = (std::abs(a) * std::abs(b) + 0x8000) >> 16;
  return (a < 0) != (b < 0) ? -m : m;
}

std::int64_t divFix(std::int64_t a, std::int64_t b) {
  const std::int64_t q = ((std::abs(a) << 16) + std::abs(b) / 2) / std::abs(b);
  return (a < 0) != (b < 0) ? -q : q;
}

std::int64_t mulDiv(std::int64_t a, std::int64_t b, std::int64_t c) {
  const std::int64_t q = (std::abs(a) * std::abs(b) + c / 2) / c;
  return (a < 0) != (b < 0) ? -q : q;
}

// The font's units to 16.16 scale for a size of `pixelSize` pixels.
std::int64_t unitScale(int pixelSize, int unitsPerEm) {
  return divFix(static_cast<std::int64_t>(pixelSize) * 64, unitsPerEm);
}

// Characters of Latin sheets that map to one glyph each and that no shaping
// step changes: printable ASCII, Latin-1 and Latin Extended-A letters and
// signs (without the soft hyphen, which is not drawn), dashes, quotes and a
// few signs of punctuation and currency.
bool handled(char32_t c) {
  if (c >= 0x20 && c <= 0x7E) return true;
  if (c >= 0xA0 && c <= 0x17F) return c != 0xAD;
  switch (c) {
    case 0x2013:
    case 0x2014:
    case 0x2018:
    case 0x2019:
    case 0x201A:
    case 0x201C:
    case 0x201D:
    case 0x201E:
    case 0x2020:
    case 0x2021:
    case 0x2022:
    case 0x2026:
    case 0x2030:
    case 0x2039:
    case 0x203A:
    case 0x20AC:
    case 0x2122:
      return true;
    default:
      return false;
  }
}

}  // namespace

TextFace::TextFace(const FontTables& tables) : font_(std::make_shared<const TrueTypeFont>(tables)) {
  readCmap(tables("cmap"));
  const QByteArray gpos = tables("GPOS"), kern = tables("kern");
  latin_ = PairKerning(gpos, kern, "latn");
  common_ = PairKerning(gpos, kern, "zyyy");  // no such script: the default one
  const QByteArray post = tables("post");
  if (post.size() >= 12) {
    underlinePosition_ = readS16(post, 8, "post");
    underlineThickness_ = readS16(post, 10, "post");
  }
}

void TextFace::readCmap(const QByteArray& cmap) {
  // The Unicode map of the whole range (3, 10), else of the basic plane (3, 1 or 0, *).
  qsizetype best = -1;
  int rank = 0;
  const std::uint32_t count = readU16(cmap, 2, "cmap");
  for (std::uint32_t i = 0; i < count; ++i) {
    const qsizetype record = 4 + 8 * static_cast<qsizetype>(i);
    const std::uint32_t platform = readU16(cmap, record, "cmap"),
                        encoding = readU16(cmap, record + 2, "cmap");
    const int r = platform == 3 && encoding == 10  ? 3
                  : platform == 3 && encoding == 1 ? 2
                  : platform == 0                  ? 1
                                                   : 0;
    if (r > rank) rank = r, best = readU32(cmap, record + 4, "cmap");
  }
  if (best < 0) damagedTable("cmap");
  const std::uint32_t format = readU16(cmap, best, "cmap");
  if (format == 4) {
    const std::uint32_t segments = readU16(cmap, best + 6, "cmap") / 2;
    const qsizetype ends = best + 14, starts = ends + 2 * segments + 2,
                    deltas = starts + 2 * segments, offsets = deltas + 2 * segments;
    for (std::uint32_t s = 0; s < segments; ++s) {
      const char32_t first = readU16(cmap, starts + 2 * s, "cmap"),
                     last = readU16(cmap, ends + 2 * s, "cmap");
      const std::uint32_t delta = readU16(cmap, deltas + 2 * s, "cmap"),
                          offset = readU16(cmap, offsets + 2 * s, "cmap");
      if (first > last || first == 0xFFFF) continue;
      if (offset == 0) {
        // Glyphs run on from the first, wrapping past 0xFFFF.
        const char32_t wrap = char32_t{0x10000} - ((first + delta) & 0xFFFF) + first;
        segments_.push_back({first, std::min<char32_t>(last, wrap - 1), (first + delta) & 0xFFFF});
        if (wrap <= last) segments_.push_back({wrap, last, 0});
        continue;
      }
      for (char32_t c = first; c <= last; ++c) {
        const std::uint32_t glyph =
            readU16(cmap, offsets + 2 * s + offset + 2 * (c - first), "cmap");
        if (glyph != 0) segments_.push_back({c, c, (glyph + delta) & 0xFFFF});
      }
    }
  } else if (format == 12) {
    const std::uint32_t groups = readU32(cmap, best + 12, "cmap");
    for (std::uint32_t g = 0; g < groups; ++g) {
      const qsizetype group = best + 16 + 12 * static_cast<qsizetype>(g);
      segments_.push_back({readU32(cmap, group, "cmap"), readU32(cmap, group + 4, "cmap"),
                           readU32(cmap, group + 8, "cmap")});
      if (segments_.back().first > segments_.back().last) damagedTable("cmap");
    }
  } else {
    damagedTable("cmap");
  }
  std::sort(segments_.begin(), segments_.end(),
            [](const Segment& a, const Segment& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < segments_.size(); ++i)
    if (segments_[i - 1].last >= segments_[i].first) damagedTable("cmap");
}

std::uint32_t TextFace::glyphOf(char32_t c) const {
  const auto it = std::upper_bound(segments_.begin(), segments_.end(), c,
                                   [](char32_t v, const Segment& s) { return v < s.first; });
  if (it == segments_.begin() || std::prev(it)->last < c) return 0;
  const std::uint32_t glyph = std::prev(it)->glyph + (c - std::prev(it)->first);
  return glyph < static_cast<std::uint32_t>(font_->glyphCount()) ? glyph : 0;
}

SizedMetrics TextFace::metrics(int pixelSize) const {
  const std::int64_t scale = unitScale(pixelSize, font_->unitsPerEm());
  SizedMetrics m;
  m.ascent = mulFix(font_->ascent, scale);
  m.descent = -mulFix(font_->descent, scale);
  // The underline's top below the baseline: its centre less half its thickness.
  m.lineThickness = mulFix(underlineThickness_, scale);
  const std::int64_t centre = -mulFix(underlinePosition_ - underlineThickness_ / 2, scale);
  m.underlinePosition = centre - m.lineThickness / 2;
  m.lineThickness = std::max<std::int64_t>(m.lineThickness, 64);  // at least a pixel
  return m;
}

std::int64_t TextFace::advance(std::uint32_t glyph, int pixelSize) const {
  // In 16.16 pixels, then cut to 64ths.
  const std::int64_t linear =
      mulDiv(font_->advance(glyph), unitScale(pixelSize, font_->unitsPerEm()), 64);
  return linear >> 10;
}

std::optional<ShapedLine> TextFace::shape(QStringView text, int pixelSize) const {
  ShapedLine line;
  bool latin = false;
  for (const QChar c : text) {
    if (!handled(c.unicode())) return std::nullopt;
    const std::uint32_t glyph = glyphOf(c.unicode());
    if (glyph == 0) return std::nullopt;
    latin = latin || c.script() == QChar::Script_Latin;
    line.glyphs.push_back(glyph);
  }
  std::vector<std::int64_t> advances;
  for (const std::uint32_t glyph : line.glyphs) advances.push_back(advance(glyph, pixelSize));
  // Kerning values are scaled one by one, rounded to 64ths.
  const std::int64_t mult = (static_cast<std::int64_t>(pixelSize) * 64 << 16) / font_->unitsPerEm();
  (latin ? latin_ : common_).apply(line.glyphs, [&](std::size_t i, int units) {
    advances[i] += (units * mult + 32768) >> 16;
  });
  for (const std::int64_t a : advances) {
    line.x.push_back(line.width);
    line.width += a;
  }
  return line;
}

}  // namespace spreadsheet::pdf
