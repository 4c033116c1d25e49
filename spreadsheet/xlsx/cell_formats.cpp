#include "spreadsheet/xlsx/cell_formats.h"

#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::xlsx {

namespace {

// The library keeps 0 for "no colour", so black has its own value.
lxw_color_t colorOf(const Workbook& book, int colorIndex) {
  const Rgb c = book.color(colorIndex);
  const lxw_color_t value = (static_cast<lxw_color_t>(red(c)) << 16) |
                            (static_cast<lxw_color_t>(green(c)) << 8) |
                            static_cast<lxw_color_t>(blue(c));
  return value == 0 ? static_cast<lxw_color_t>(LXW_COLOR_BLACK) : value;
}

bool paletteIndex(int colorIndex) {
  return colorIndex >= 1 && colorIndex <= 56;
}

// Line style and weight as the file's border style; the codes are those of
// the BIFF8 cell borders too.
std::uint8_t borderStyleOf(const Border& b) {
  const bool heavy = b.weight == xl::Medium || b.weight == xl::Thick;
  switch (b.lineStyle) {
    case xl::Continuous:
      return b.weight == xl::Hairline ? LXW_BORDER_HAIR
             : b.weight == xl::Medium ? LXW_BORDER_MEDIUM
             : b.weight == xl::Thick  ? LXW_BORDER_THICK
                                      : LXW_BORDER_THIN;
    case xl::Dash:
      return heavy ? LXW_BORDER_MEDIUM_DASHED : LXW_BORDER_DASHED;
    case xl::Dot:
      return LXW_BORDER_DOTTED;
    case xl::Double:
      return LXW_BORDER_DOUBLE;
    case xl::DashDot:
      return heavy ? LXW_BORDER_MEDIUM_DASH_DOT : LXW_BORDER_DASH_DOT;
    case xl::DashDotDot:
      return heavy ? LXW_BORDER_MEDIUM_DASH_DOT_DOT : LXW_BORDER_DASH_DOT_DOT;
    case xl::SlantDashDot:
      return LXW_BORDER_SLANT_DASH_DOT;
    default:
      return LXW_BORDER_NONE;
  }
}

std::uint8_t horizontalOf(int alignment) {
  switch (alignment) {
    case xl::Left:
      return LXW_ALIGN_LEFT;
    case xl::Center:
      return LXW_ALIGN_CENTER;
    case xl::Right:
      return LXW_ALIGN_RIGHT;
    case xl::Fill:
      return LXW_ALIGN_FILL;
    case xl::Justify:
      return LXW_ALIGN_JUSTIFY;
    case xl::CenterAcrossSelection:
      return LXW_ALIGN_CENTER_ACROSS;
    case xl::Distributed:
      return LXW_ALIGN_DISTRIBUTED;
    default:
      return LXW_ALIGN_NONE;
  }
}

std::uint8_t verticalOf(int alignment) {
  switch (alignment) {
    case xl::Top:
      return LXW_ALIGN_VERTICAL_TOP;
    case xl::Center:
      return LXW_ALIGN_VERTICAL_CENTER;
    case xl::Justify:
      return LXW_ALIGN_VERTICAL_JUSTIFY;
    case xl::Distributed:
      return LXW_ALIGN_VERTICAL_DISTRIBUTED;
    default:
      return LXW_ALIGN_VERTICAL_BOTTOM;
  }
}

void setFont(lxw_format* f, const Workbook& book, const Font& font) {
  format_set_font_name(f, font.name.c_str());
  format_set_font_size(f, font.size);
  if (font.bold) format_set_bold(f);
  if (font.italic) format_set_italic(f);
  if (font.underline == xl::UnderlineSingle) format_set_underline(f, LXW_UNDERLINE_SINGLE);
  if (font.underline == xl::UnderlineDouble) format_set_underline(f, LXW_UNDERLINE_DOUBLE);
  if (paletteIndex(font.colorIndex)) format_set_font_color(f, colorOf(book, font.colorIndex));
}

void setBorders(lxw_format* f, const Workbook& book, const Style& s) {
  using Setter = void (*)(lxw_format*, std::uint8_t);
  using ColorSetter = void (*)(lxw_format*, lxw_color_t);
  struct Edge {
    int slot;
    Setter set;
    ColorSetter color;
  };
  static constexpr Edge kEdges[] = {{kLeft, format_set_left, format_set_left_color},
                                    {kTop, format_set_top, format_set_top_color},
                                    {kBottom, format_set_bottom, format_set_bottom_color},
                                    {kRight, format_set_right, format_set_right_color}};
  for (const Edge& e : kEdges) {
    const Border& b = s.borders[static_cast<std::size_t>(e.slot)];
    if (!b.visible()) continue;
    e.set(f, borderStyleOf(b));
    if (paletteIndex(b.colorIndex)) e.color(f, colorOf(book, b.colorIndex));
  }
  const Border& down = s.borders[kDiagonalDown];
  const Border& up = s.borders[kDiagonalUp];
  if (!down.visible() && !up.visible()) return;
  const Border& shown = down.visible() ? down : up;
  format_set_diag_type(f, down.visible() && up.visible() ? LXW_DIAGONAL_BORDER_UP_DOWN
                          : down.visible()               ? LXW_DIAGONAL_BORDER_DOWN
                                                         : LXW_DIAGONAL_BORDER_UP);
  format_set_diag_border(f, borderStyleOf(shown));
  if (paletteIndex(shown.colorIndex)) format_set_diag_color(f, colorOf(book, shown.colorIndex));
}

}  // namespace

lxw_format* CellFormats::formatOf(StyleId style) {
  if (auto it = made_.find(style); it != made_.end()) return it->second;
  const Style& s = book_.styles().get(style);
  lxw_format* f = workbook_add_format(target_);
  if (!f) throw Error("Cannot write the workbook: out of memory for cell formats.");
  setFont(f, book_, s.font);
  if (paletteIndex(s.fillColorIndex)) {
    format_set_pattern(f, LXW_PATTERN_SOLID);
    format_set_bg_color(f, colorOf(book_, s.fillColorIndex));
  }
  setBorders(f, book_, s);
  if (const std::uint8_t h = horizontalOf(s.horizontalAlignment); h != LXW_ALIGN_NONE)
    format_set_align(f, h);
  format_set_align(f, verticalOf(s.verticalAlignment));
  if (s.wrapText) format_set_text_wrap(f);
  if (s.numberFormat != "General") format_set_num_format(f, s.numberFormat.c_str());
  if (!s.locked) format_set_unlocked(f);
  if (s.hidden) format_set_hidden(f);
  made_.emplace(style, f);
  return f;
}

}  // namespace spreadsheet::xlsx
