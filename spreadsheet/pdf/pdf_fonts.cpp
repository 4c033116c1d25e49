#include "spreadsheet/pdf/pdf_fonts.h"

#include <cmath>
#include <cstdio>

#include "spreadsheet/model/error.h"

namespace spreadsheet::pdf {

namespace {

constexpr std::size_t kMappingsPerBlock = 100;  // the most a bfchar block may hold

double perMille(const TrueTypeFont& f, int units) {
  return units * 1000.0 / f.unitsPerEm();
}

std::string hex4(std::uint32_t v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%04X", v & 0xFFFF);
  return buf;
}

// A six-letter tag from the glyphs shown: a subset's name differs from the
// whole font's and from other subsets', and stays the same for equal pages.
std::string subsetTag(const std::set<std::uint32_t>& glyphs) {
  std::uint32_t h = 2166136261u;
  for (std::uint32_t g : glyphs) h = (h ^ g) * 16777619u;
  std::string tag;
  for (int i = 0; i < 6; ++i, h /= 26) tag += static_cast<char>('A' + h % 26);
  return tag;
}

std::string baseName(const TrueTypeFont& f) {
  std::string name;
  for (QChar c : f.postScriptName)
    if (c.unicode() > 0x20 && c.unicode() < 0x7F && !QStringLiteral("()<>[]{}/%#").contains(c))
      name += static_cast<char>(c.unicode());
  return name.empty() ? "Font" : name;
}

// Runs of consecutive glyphs with their widths: "3 [278 556] 17 [611]".
std::string widthArray(const PdfFont& font) {
  std::string out = "[";
  std::uint32_t next = UINT32_MAX;
  for (std::uint32_t g : font.glyphs) {
    if (g != next)
      out += (next == UINT32_MAX ? "" : "] ") + std::to_string(g) + " [";
    else
      out += ' ';
    out += std::to_string(font.width(g));
    next = g + 1;
  }
  return out + (font.glyphs.empty() ? "]" : "]]");
}

std::string utf16Hex(char32_t c) {
  if (c < 0x10000) return hex4(c);
  const char32_t v = c - 0x10000;
  return hex4(0xD800 + (v >> 10)) + hex4(0xDC00 + (v & 0x3FF));
}

std::string toUnicode(const PdfFont& font) {
  std::string out =
      "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
  std::vector<std::pair<std::uint32_t, char32_t>> pairs(font.characters.begin(),
                                                        font.characters.end());
  for (std::size_t i = 0; i < pairs.size(); i += kMappingsPerBlock) {
    const std::size_t n = std::min(kMappingsPerBlock, pairs.size() - i);
    out += std::to_string(n) + " beginbfchar\n";
    for (std::size_t k = i; k < i + n; ++k)
      out += '<' + hex4(pairs[k].first) + "> <" + utf16Hex(pairs[k].second) + ">\n";
    out += "endbfchar\n";
  }
  return out + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

std::string descriptor(const TrueTypeFont& f, const std::string& name, int fontFile) {
  std::string out = "<< /Type /FontDescriptor /FontName /" + name;
  // Non-symbolic (Latin text), italic when the font slants.
  out += " /Flags " + std::to_string(32 + (f.italicAngle != 0 ? 64 : 0));
  out += " /FontBBox [";
  for (int v : {f.xMin, f.yMin, f.xMax}) {
    appendNumber(out, perMille(f, v), 0);
    out += ' ';
  }
  appendNumber(out, perMille(f, f.yMax), 0);
  out += ']';
  out += " /ItalicAngle ";
  appendNumber(out, f.italicAngle, 2);
  out += " /Ascent ";
  appendNumber(out, perMille(f, f.ascent), 0);
  out += " /Descent ";
  appendNumber(out, perMille(f, f.descent), 0);
  out += " /CapHeight ";
  appendNumber(out, perMille(f, f.capHeight), 0);
  // The stem width is not in the tables; readers use it only for substitutes.
  out += " /StemV 80 /FontFile2 " + std::to_string(fontFile) + " 0 R >>";
  return out;
}

// A font's subset as it goes into the file, compressed: the same glyphs of
// the same face give the same bytes, so a run making many pages (or the same
// page again) cuts and compresses each subset once.
struct FontFile {
  std::size_t length = 0;  // before compression
  std::string compressed;
};

const FontFile& fontFile2(const PdfFont& font) {
  constexpr std::size_t kMostKept = 64;
  static std::map<std::pair<const TrueTypeFont*, std::set<std::uint32_t>>, FontFile> made;
  const auto key = std::make_pair(&font.font, font.glyphs);
  if (const auto found = made.find(key); found != made.end()) return found->second;
  if (made.size() >= kMostKept) made.clear();
  const QByteArray subset = font.font.subset(font.glyphs);
  FontFile file{
      static_cast<std::size_t>(subset.size()),
      flate(std::string_view(subset.constData(), static_cast<std::size_t>(subset.size())))};
  return made.emplace(key, std::move(file)).first->second;
}

}  // namespace

void appendFontResource(std::string& out, int index) {
  out += "/F";
  appendInteger(out, index + 1);
}

std::string fontResource(int index) {
  std::string name;
  appendFontResource(name, index);
  return name;
}

int PdfFont::width(std::uint32_t glyph) const {
  return static_cast<int>(std::lround(perMille(font, font.advance(glyph))));
}

int PdfFonts::indexOf(const FontFace& key, const FontTables& tables) {
  const auto found = byFace_.find(key);
  if (found != byFace_.end()) return found->second;
  // A face's tables do not change while the program runs, and reading them
  // copies the whole outline table: each face is read once.
  static std::map<FontFace, std::shared_ptr<const TrueTypeFont>> read;
  auto& shared = read[key];
  if (!shared) {
    try {
      shared = std::make_shared<const TrueTypeFont>(tables);
    } catch (const Error&) {
      // Not a TrueType font (outlines of another kind, or none): its glyphs
      // are drawn as shapes instead.
      byFace_.emplace(key, -1);
      return -1;
    }
  }
  const int index = add(shared);
  byFace_.emplace(key, index);
  return index;
}

int PdfFonts::indexOf(const std::shared_ptr<const TrueTypeFont>& font) {
  const auto found = byFont_.find(font.get());
  return found != byFont_.end() ? found->second : add(font);
}

int PdfFonts::add(const std::shared_ptr<const TrueTypeFont>& font) {
  fonts_.push_back(std::make_unique<PdfFont>(font));
  const int index = static_cast<int>(fonts_.size()) - 1;
  byFont_.emplace(font.get(), index);
  return index;
}

std::string PdfFonts::write(PdfFile& file) const {
  std::string entries;
  for (std::size_t i = 0; i < fonts_.size(); ++i) {
    const PdfFont& font = *fonts_[i];
    const int type0 = file.reserve(), cidFont = file.reserve(), desc = file.reserve(),
              fontFile = file.reserve(), unicode = file.reserve();
    const std::string name = subsetTag(font.glyphs) + '+' + baseName(font.font);
    const FontFile& subset = fontFile2(font);
    file.putFlateStream(fontFile, "/Length1 " + std::to_string(subset.length), subset.compressed);
    file.put(desc, descriptor(font.font, name, fontFile));
    file.put(cidFont, "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + name +
                          " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) "
                          "/Supplement 0 >> /FontDescriptor " +
                          std::to_string(desc) + " 0 R /CIDToGIDMap /Identity /W " +
                          widthArray(font) + " >>");
    file.putStream(unicode, "", toUnicode(font), /*compress=*/false);  // small, and plain text
    file.put(type0, "<< /Type /Font /Subtype /Type0 /BaseFont /" + name +
                        " /Encoding /Identity-H /DescendantFonts [" + std::to_string(cidFont) +
                        " 0 R] /ToUnicode " + std::to_string(unicode) + " 0 R >>");
    entries += fontResource(static_cast<int>(i)) + ' ' + std::to_string(type0) + " 0 R ";
  }
  return entries;
}

}  // namespace spreadsheet::pdf
