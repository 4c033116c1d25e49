#include "spreadsheet/xls/style_records.h"

#include <array>

#include "spreadsheet/model/units.h"

namespace spreadsheet::xls {

namespace {

constexpr unsigned kBold = 700, kNormalWeight = 400;

unsigned underlineCode(int underline) {
  switch (underline) {
    case xl::UnderlineSingle:
      return 1;
    case xl::UnderlineDouble:
      return 2;
    case 4:
      return 0x21;  // single accounting
    case 5:
      return 0x22;  // double accounting
    default:
      return 0;
  }
}

int underlineStyle(unsigned code) {
  switch (code) {
    case 1:
      return xl::UnderlineSingle;
    case 2:
      return xl::UnderlineDouble;
    case 0x21:
      return 4;
    case 0x22:
      return 5;
    default:
      return xl::UnderlineNone;
  }
}

// Alignment constants in the order of the file's codes.
constexpr std::array kHorizontal = {xl::General,
                                    xl::Left,
                                    xl::Center,
                                    xl::Right,
                                    xl::Fill,
                                    xl::Justify,
                                    xl::CenterAcrossSelection,
                                    xl::Distributed};
constexpr std::array kVertical = {xl::Top, xl::Center, xl::Bottom, xl::Justify, xl::Distributed};

template <class Table>
unsigned codeOf(const Table& table, int value, unsigned fallback) {
  for (std::size_t i = 0; i < table.size(); ++i)
    if (table[i] == value) return static_cast<unsigned>(i);
  return fallback;
}

// Line style and weight as the file's single border code, and back.
struct LineCode {
  int style;
  int weight;
};
constexpr std::array<LineCode, 14> kLines = {{{xl::LineNone, xl::Thin},
                                              {xl::Continuous, xl::Thin},
                                              {xl::Continuous, xl::Medium},
                                              {xl::Dash, xl::Thin},
                                              {xl::Dot, xl::Thin},
                                              {xl::Continuous, xl::Thick},
                                              {xl::Double, xl::Thick},
                                              {xl::Continuous, xl::Hairline},
                                              {xl::Dash, xl::Medium},
                                              {xl::DashDot, xl::Thin},
                                              {xl::DashDot, xl::Medium},
                                              {xl::DashDotDot, xl::Thin},
                                              {xl::DashDotDot, xl::Medium},
                                              {xl::SlantDashDot, xl::Medium}}};

unsigned lineCode(const Border& b) {
  bool heavy = b.weight == xl::Medium || b.weight == xl::Thick;
  switch (b.lineStyle) {
    case xl::Continuous:
      return b.weight == xl::Hairline ? 7
             : b.weight == xl::Medium ? 2
             : b.weight == xl::Thick  ? 5
                                      : 1;
    case xl::Dash:
      return heavy ? 8 : 3;
    case xl::Dot:
      return 4;
    case xl::Double:
      return 6;
    case xl::DashDot:
      return heavy ? 10 : 9;
    case xl::DashDotDot:
      return heavy ? 12 : 11;
    case xl::SlantDashDot:
      return 13;
    default:
      return 0;
  }
}

Border borderOf(unsigned code, unsigned color) {
  Border b;
  if (code == 0 || code >= kLines.size()) return b;
  b.lineStyle = kLines[code].style;
  b.weight = kLines[code].weight;
  b.colorIndex = modelColor(color);
  return b;
}

unsigned borderColor(const Border& b) {
  return b.visible() ? fileColor(b.colorIndex, kColorAutomatic) : 0;
}

}  // namespace

unsigned fileColor(int colorIndex, unsigned automatic) {
  return colorIndex >= 1 && colorIndex <= 56 ? static_cast<unsigned>(colorIndex + 7) : automatic;
}

int modelColor(unsigned fileIndex) {
  if (fileIndex >= 8 && fileIndex <= 63) return static_cast<int>(fileIndex) - 7;
  if (fileIndex < 8)
    return static_cast<int>(fileIndex) + 1;  // the fixed colours repeat palette 1..8
  return xl::ColorAutomatic;
}

void writeFont(RecordWriter& out, const Font& font) {
  out.record(kFont, kVariableSize, [&](ByteWriter& b) {
    b.u16(static_cast<unsigned>(PointsToTwips(font.size)));
    b.u16((font.bold ? 0x0001 : 0) |
          (font.italic ? 0x0002 : 0));  // the bold bit repeats the weight for old readers
    b.u16(fileColor(font.colorIndex, kFontColorAutomatic));
    b.u16(font.bold ? kBold : kNormalWeight);
    b.u16(0);  // no super/subscript
    b.u8(underlineCode(font.underline));
    b.zeros(3);  // family, character set, reserved
    writeShortString(b, font.name);
  });
}

Font readFont(ByteReader in) {
  Font f;
  f.size = TwipsToPoints(in.u16());
  f.italic = in.u16() & 0x0002;
  f.colorIndex = modelColor(in.u16());
  f.bold = in.u16() >= kBold;
  in.skip(2);
  f.underline = underlineStyle(in.u8());
  in.skip(3);
  f.name = readShortString(in);
  in.expectEnd();
  return f;
}

void writeFormat(RecordWriter& out, unsigned index, const std::string& code) {
  out.record(kFormat, kVariableSize, [&](ByteWriter& b) {
    b.u16(index);
    writeLongString(b, code);
  });
}

std::pair<unsigned, std::string> readFormat(ByteReader in) {
  unsigned index = in.u16();
  std::string code = readLongString(in);
  in.expectEnd();
  return {index, code};
}

std::string builtInFormat(unsigned index) {
  switch (index) {
    case 1:
      return "0";
    case 2:
      return "0.00";
    case 3:
      return "#,##0";
    case 4:
      return "#,##0.00";
    case 9:
      return "0%";
    case 10:
      return "0.00%";
    case 11:
      return "0.00E+00";
    case 12:
      return "# ?/?";
    case 13:
      return "# ?\?/??";
    case 14:
      return "m/d/yyyy";
    case 15:
      return "d-mmm-yy";
    case 16:
      return "d-mmm";
    case 17:
      return "mmm-yy";
    case 18:
      return "h:mm AM/PM";
    case 19:
      return "h:mm:ss AM/PM";
    case 20:
      return "h:mm";
    case 21:
      return "h:mm:ss";
    case 22:
      return "m/d/yyyy h:mm";
    case 45:
      return "mm:ss";
    case 46:
      return "[h]:mm:ss";
    case 47:
      return "mm:ss.0";
    case 48:
      return "##0.0E+0";
    case 49:
      return "@";
    default:
      return "General";
  }
}

void writeXf(RecordWriter& out, const XfRecord& xf) {
  const Style& s = xf.style;
  const auto& bd = s.borders;
  out.record(kXf, 20, [&](ByteWriter& b) {
    b.u16(xf.fontIndex);
    b.u16(xf.formatIndex);
    b.u16((s.locked ? 0x0001 : 0) | (s.hidden ? 0x0002 : 0) |
          (xf.styleXf ? 0xFFF4 : 0));  // style XFs have no parent
    b.u8(codeOf(kHorizontal, s.horizontalAlignment, 0) | (s.wrapText ? 0x08 : 0) |
         (codeOf(kVertical, s.verticalAlignment, 2) << 4));
    b.u8(0);  // rotation
    b.u8(0);  // indent, shrink, reading order
    b.u8(xf.styleXf ? (xf.fontIndex == 0 ? 0x00 : 0xF4) : 0xFC);
    const Border& diag = bd[kDiagonalDown].visible() ? bd[kDiagonalDown] : bd[kDiagonalUp];
    unsigned diagonals =
        (bd[kDiagonalDown].visible() ? 1u : 0u) | (bd[kDiagonalUp].visible() ? 2u : 0u);
    b.u32(lineCode(bd[kLeft]) | lineCode(bd[kRight]) << 4 | lineCode(bd[kTop]) << 8 |
          lineCode(bd[kBottom]) << 12 | borderColor(bd[kLeft]) << 16 |
          borderColor(bd[kRight]) << 23 | diagonals << 30);
    bool filled = s.fillColorIndex >= 1 && s.fillColorIndex <= 56;
    b.u32(borderColor(bd[kTop]) | borderColor(bd[kBottom]) << 7 | borderColor(diag) << 14 |
          lineCode(diag) << 21 | (filled ? 1u : 0u) << 26);
    b.u16(filled ? fileColor(s.fillColorIndex, kColorAutomatic) | kColorAutomatic << 7
                 : kColorAutomatic | 65 << 7);
  });
}

XfRecord readXf(ByteReader in) {
  XfRecord xf;
  Style& s = xf.style;
  xf.fontIndex = in.u16();
  xf.formatIndex = in.u16();
  unsigned flags = in.u16();
  s.locked = flags & 0x0001;
  s.hidden = flags & 0x0002;
  xf.styleXf = flags & 0x0004;
  unsigned align = in.u8();
  s.horizontalAlignment = kHorizontal[align & 0x07];
  s.wrapText = align & 0x08;
  unsigned v = (align >> 4) & 0x07;
  s.verticalAlignment = v < kVertical.size() ? kVertical[v] : xl::Bottom;
  in.skip(3);
  std::uint32_t lines = in.u32();
  std::uint32_t more = in.u32();
  unsigned fill = in.u16();
  s.borders[kLeft] = borderOf(lines & 0xF, (lines >> 16) & 0x7F);
  s.borders[kRight] = borderOf((lines >> 4) & 0xF, (lines >> 23) & 0x7F);
  s.borders[kTop] = borderOf((lines >> 8) & 0xF, more & 0x7F);
  s.borders[kBottom] = borderOf((lines >> 12) & 0xF, (more >> 7) & 0x7F);
  Border diag = borderOf((more >> 21) & 0xF, (more >> 14) & 0x7F);
  if (lines & (1u << 30)) s.borders[kDiagonalDown] = diag;
  if (lines & (1u << 31)) s.borders[kDiagonalUp] = diag;
  if (((more >> 26) & 0x3F) != 0) {
    int c = modelColor(fill & 0x7F);
    s.fillColorIndex = c == xl::ColorAutomatic ? xl::ColorNone : c;
  }
  in.expectEnd();
  return xf;
}

void writeStyle(RecordWriter& out) {
  out.record(kStyle, 4, [](ByteWriter& b) {
    b.u16(0x8000);  // built-in style on XF 0
    b.u8(0);        // Normal
    b.u8(0xFF);     // no outline level
  });
}

void writePalette(RecordWriter& out, const Palette& palette) {
  out.record(kPalette, 2 + 4 * palette.size(), [&](ByteWriter& b) {
    b.u16(static_cast<unsigned>(palette.size()));
    for (Rgb c : palette) {
      b.u8(static_cast<unsigned>(red(c)));
      b.u8(static_cast<unsigned>(green(c)));
      b.u8(static_cast<unsigned>(blue(c)));
      b.u8(0);
    }
  });
}

Palette readPalette(ByteReader in) {
  if (in.u16() != 56) in.fail("a palette must hold 56 colours");
  Palette p{};
  for (Rgb& c : p) {
    auto bytes = in.take(4);
    c = rgb(bytes[0], bytes[1], bytes[2]);
  }
  in.expectEnd();
  return p;
}

}  // namespace spreadsheet::xls
