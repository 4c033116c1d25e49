#include "spreadsheet/pdf/truetype_font.h"

#include <QByteArrayView>
#include <algorithm>
#include <array>
#include <map>

#include "spreadsheet/model/error.h"

namespace spreadsheet::pdf {

namespace {

// Big-endian reads from a font's table that refuse to go past its end: a
// damaged font gives spreadsheet::Error naming the table, never a bad read.
[[noreturn]] void damagedTable(const char* table) {
  throw Error(std::string("The font cannot be embedded: its table '") + table +
              "' is missing or damaged.");
}

std::uint32_t readU16(const QByteArray& data, qsizetype at, const char* table) {
  if (at < 0 || at + 2 > data.size()) damagedTable(table);
  // Through a view of its own size: GCC cannot see the check above through
  // QByteArray's shared empty array and would warn of reading past it.
  const QByteArrayView bytes(data);
  return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at]) << 8 |
                                    static_cast<unsigned char>(bytes[at + 1]));
}

std::uint32_t readU32(const QByteArray& data, qsizetype at, const char* table) {
  return readU16(data, at, table) << 16 | readU16(data, at + 2, table);
}

int readS16(const QByteArray& data, qsizetype at, const char* table) {
  return static_cast<std::int16_t>(readU16(data, at, table));
}

void writeU16(QByteArray& data, qsizetype at, std::uint32_t v) {
  data[at] = static_cast<char>(v >> 8 & 0xFF);
  data[at + 1] = static_cast<char>(v & 0xFF);
}

void writeU32(QByteArray& data, qsizetype at, std::uint32_t v) {
  writeU16(data, at, v >> 16);
  writeU16(data, at + 2, v & 0xFFFF);
}

void appendU16(QByteArray& data, std::uint32_t v) {
  data.append(static_cast<char>(v >> 8 & 0xFF));
  data.append(static_cast<char>(v & 0xFF));
}

void appendU32(QByteArray& data, std::uint32_t v) {
  appendU16(data, v >> 16);
  appendU16(data, v & 0xFFFF);
}

std::uint32_t checksum(const QByteArray& data) {
  std::uint32_t sum = 0;
  QByteArray padded = data;
  while (padded.size() % 4 != 0) padded.append('\0');
  for (qsizetype i = 0; i < padded.size(); i += 4) sum += readU32(padded, i, "checksum");
  return sum;
}

// The PostScript name (name id 6) from the Windows Unicode or the Macintosh record.
QString postScriptNameOf(const QByteArray& name) {
  if (name.size() < 6) return {};
  const std::uint32_t count = readU16(name, 2, "name"), strings = readU16(name, 4, "name");
  for (std::uint32_t i = 0; i < count; ++i) {
    const qsizetype rec = 6 + 12 * static_cast<qsizetype>(i);
    const std::uint32_t platform = readU16(name, rec, "name"), id = readU16(name, rec + 6, "name");
    if (id != 6 || (platform != 3 && platform != 1)) continue;
    const qsizetype length = readU16(name, rec + 8, "name");
    const qsizetype at = strings + readU16(name, rec + 10, "name");
    if (at + length > name.size()) damagedTable("name");
    QString text;
    if (platform == 3)
      for (qsizetype k = 0; k + 1 < length; k += 2)
        text += QChar(static_cast<char16_t>(readU16(name, at + k, "name")));
    else
      text = QString::fromLatin1(name.constData() + at, length);
    if (!text.isEmpty()) return text;
  }
  return {};
}

// A font file of `tables` by tag: the table directory in tag order, each
// table on a four-byte boundary, and the whole file's checksum in 'head'.
QByteArray sfntFile(const std::map<std::string, const QByteArray*>& tables) {
  QByteArray out;
  const auto n = static_cast<std::uint32_t>(tables.size());
  std::uint32_t power = 1, log = 0;
  while (power * 2 <= n) power *= 2, ++log;
  appendU32(out, 0x00010000);
  appendU16(out, n);
  appendU16(out, power * 16);
  appendU16(out, log);
  appendU16(out, n * 16 - power * 16);
  auto offset = static_cast<std::uint32_t>(12 + 16 * n);
  qsizetype headAt = 0;
  for (const auto& [tag, data] : tables) {
    out.append(tag.data(), 4);
    appendU32(out, checksum(*data));
    appendU32(out, offset);
    appendU32(out, static_cast<std::uint32_t>(data->size()));
    if (tag == "head") headAt = offset;
    offset += static_cast<std::uint32_t>((data->size() + 3) / 4 * 4);
  }
  for (const auto& entry : tables) {
    out += *entry.second;
    while (out.size() % 4 != 0) out.append('\0');
  }
  writeU32(out, headAt + 8, 0xB1B0AFBAu - checksum(out));
  return out;
}

}  // namespace

TrueTypeFont::TrueTypeFont(const FontTables& font) {
  head_ = font("head");
  hhea_ = font("hhea");
  maxp_ = font("maxp");
  hmtx_ = font("hmtx");
  glyf_ = font("glyf");
  cvt_ = font("cvt ");
  fpgm_ = font("fpgm");
  prep_ = font("prep");
  if (head_.size() < 54) damagedTable("head");
  if (glyf_.isEmpty()) damagedTable("glyf");
  unitsPerEm_ = static_cast<int>(readU16(head_, 18, "head"));
  if (unitsPerEm_ == 0) damagedTable("head");
  glyphCount_ = static_cast<int>(readU16(maxp_, 4, "maxp"));
  horizontalMetrics_ = static_cast<int>(readU16(hhea_, 34, "hhea"));
  if (horizontalMetrics_ == 0 || hmtx_.size() < horizontalMetrics_ * 4) damagedTable("hmtx");

  const QByteArray loca = font("loca");
  const bool longOffsets = readS16(head_, 50, "head") != 0;
  loca_.resize(static_cast<std::size_t>(glyphCount_) + 1);
  for (int g = 0; g <= glyphCount_; ++g)
    loca_[static_cast<std::size_t>(g)] =
        longOffsets ? readU32(loca, g * 4, "loca") : readU16(loca, g * 2, "loca") * 2;
  for (int g = 0; g < glyphCount_; ++g)
    if (loca_[static_cast<std::size_t>(g)] > loca_[static_cast<std::size_t>(g) + 1] ||
        loca_[static_cast<std::size_t>(g) + 1] > static_cast<std::uint32_t>(glyf_.size()))
      damagedTable("loca");
  readMetrics(font);
}

void TrueTypeFont::readMetrics(const FontTables& font) {
  xMin = readS16(head_, 36, "head");
  yMin = readS16(head_, 38, "head");
  xMax = readS16(head_, 40, "head");
  yMax = readS16(head_, 42, "head");
  ascent = readS16(hhea_, 4, "hhea");
  descent = readS16(hhea_, 6, "hhea");
  const QByteArray os2 = font("OS/2");
  capHeight = os2.size() >= 90 && readU16(os2, 0, "OS/2") >= 2 ? readS16(os2, 88, "OS/2") : ascent;
  const QByteArray post = font("post");
  if (post.size() >= 8) italicAngle = static_cast<std::int32_t>(readU32(post, 4, "post")) / 65536.0;
  postScriptName = postScriptNameOf(font("name"));
}

int TrueTypeFont::advance(std::uint32_t glyph) const {
  const auto last = static_cast<std::uint32_t>(horizontalMetrics_ - 1);
  return static_cast<int>(readU16(hmtx_, std::min(glyph, last) * 4, "hmtx"));
}

QByteArray TrueTypeFont::glyphData(std::uint32_t glyph) const {
  if (glyph >= static_cast<std::uint32_t>(glyphCount_)) return {};
  const std::uint32_t from = loca_[glyph], to = loca_[glyph + 1];
  return glyf_.mid(from, to - from);
}

void TrueTypeFont::addComponents(std::uint32_t glyph, std::set<std::uint32_t>& glyphs) const {
  const QByteArray data = glyphData(glyph);
  if (data.size() < 10 || readS16(data, 0, "glyf") >= 0) return;  // simple or empty
  constexpr std::uint32_t kWords = 0x1, kScale = 0x8, kMore = 0x20, kXYScale = 0x40,
                          kTwoByTwo = 0x80;
  qsizetype at = 10;
  for (std::uint32_t flags = kMore; flags & kMore;) {
    flags = readU16(data, at, "glyf");
    const std::uint32_t part = readU16(data, at + 2, "glyf");
    at += 4 + ((flags & kWords) ? 4 : 2);
    at += (flags & kScale) ? 2 : (flags & kXYScale) ? 4 : (flags & kTwoByTwo) ? 8 : 0;
    if (part < static_cast<std::uint32_t>(glyphCount_) && glyphs.insert(part).second)
      addComponents(part, glyphs);
  }
}

QByteArray TrueTypeFont::subset(const std::set<std::uint32_t>& wanted) const {
  std::set<std::uint32_t> glyphs{0};
  for (std::uint32_t g : wanted)
    if (g < static_cast<std::uint32_t>(glyphCount_) && glyphs.insert(g).second)
      addComponents(g, glyphs);
  // Glyphs past the last one used are cut off; those before it stay as empty outlines.
  const std::uint32_t count = *glyphs.rbegin() + 1;
  QByteArray glyf, loca, hmtx;
  loca.reserve(static_cast<qsizetype>(count + 1) * 4);
  hmtx.reserve(static_cast<qsizetype>(count) * 4);
  for (std::uint32_t g = 0; g < count; ++g) {
    appendU32(loca, static_cast<std::uint32_t>(glyf.size()));
    if (glyphs.count(g) && g < static_cast<std::uint32_t>(glyphCount_)) {
      // Straight from the font's table: no copy of each outline on the way.
      const std::uint32_t from = loca_[g], to = loca_[g + 1];
      glyf.append(glyf_.constData() + from, static_cast<qsizetype>(to - from));
      while (glyf.size() % 4 != 0) glyf.append('\0');
    }
    // Every glyph gets a full metric: past the font's own count the advance
    // repeats the last one and the side bearing comes from the trailing list.
    const auto metrics = static_cast<std::uint32_t>(horizontalMetrics_);
    appendU16(hmtx, static_cast<std::uint32_t>(advance(g)));
    appendU16(hmtx, g < metrics ? readU16(hmtx_, g * 4 + 2, "hmtx")
                                : readU16(hmtx_, metrics * 4 + (g - metrics) * 2, "hmtx"));
  }
  appendU32(loca, static_cast<std::uint32_t>(glyf.size()));

  QByteArray head = head_, hhea = hhea_, maxp = maxp_;
  writeU32(head, 8, 0);   // checkSumAdjustment, set below
  writeU16(head, 50, 1);  // long offsets in loca
  writeU16(hhea, 34, count);
  writeU16(maxp, 4, count);

  std::map<std::string, const QByteArray*> tables{{"glyf", &glyf}, {"head", &head},
                                                  {"hhea", &hhea}, {"hmtx", &hmtx},
                                                  {"loca", &loca}, {"maxp", &maxp}};
  if (!cvt_.isEmpty()) tables["cvt "] = &cvt_;
  if (!fpgm_.isEmpty()) tables["fpgm"] = &fpgm_;
  if (!prep_.isEmpty()) tables["prep"] = &prep_;

  return sfntFile(tables);
}

}  // namespace spreadsheet::pdf
