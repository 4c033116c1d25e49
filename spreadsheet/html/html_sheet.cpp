#include "spreadsheet/html/html_sheet.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <unordered_map>
#include <vector>

#include "spreadsheet/format/number_format.h"
#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/units.h"

namespace spreadsheet::html {

namespace {

// Text as HTML content or attribute value; line feeds as line breaks when
// `lines`.
std::string escaped(std::string_view text, bool lines = false) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\n':
        out += lines ? "<br>" : " ";
        break;
      case '\r':
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string colorText(const Workbook& book, int index) {
  const Rgb c = book.color(index);
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", red(c) & 0xFF, green(c) & 0xFF, blue(c) & 0xFF);
  return text;
}

bool paletteIndex(int index) {
  return index >= 1 && index <= 56;
}

// A number as CSS takes it: at most four decimals, no trailing zeros.
std::string decimal(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.4f", value);
  std::string s = text;
  s.erase(s.find_last_not_of('0') + 1);
  if (s.back() == '.') s.pop_back();
  return s;
}

// A border edge as CSS: the application's hairline and thin lines are one
// pixel, medium two, thick and double three.
std::string borderText(const Workbook& book, const Border& b) {
  const int width = b.lineStyle == xl::Double ? 3
                    : b.weight == xl::Thick   ? 3
                    : b.weight == xl::Medium  ? 2
                                              : 1;
  const char* line = "solid";
  switch (b.lineStyle) {
    case xl::Double:
      line = "double";
      break;
    case xl::Dot:
      line = "dotted";
      break;
    case xl::Dash:
    case xl::DashDot:
    case xl::DashDotDot:
    case xl::SlantDashDot:
      line = "dashed";
      break;
    default:
      break;
  }
  if (b.weight == xl::Hairline && b.lineStyle == xl::Continuous) line = "dotted";
  const std::string color = paletteIndex(b.colorIndex) ? colorText(book, b.colorIndex) : "#000000";
  return std::to_string(width) + "px " + line + " " + color;
}

const char* horizontalText(int alignment) {
  switch (alignment) {
    case xl::Left:
      return "left";
    case xl::Center:
    case xl::CenterAcrossSelection:
    case xl::Fill:
      return "center";
    case xl::Right:
      return "right";
    case xl::Justify:
    case xl::Distributed:
      return "justify";
    default:
      return nullptr;
  }
}

const char* verticalText(int alignment) {
  switch (alignment) {
    case xl::Top:
      return "top";
    case xl::Center:
    case xl::Justify:
    case xl::Distributed:
      return "middle";
    default:
      return "bottom";
  }
}

// The declarations of a cell style that differ from the sheet's default.
std::string styleRule(const Workbook& book, const Style& s) {
  const Font& base = book.defaultFont();
  std::string css;
  if (paletteIndex(s.fillColorIndex))
    css += "background:" + colorText(book, s.fillColorIndex) + ";";
  const std::pair<const char*, int> edges[] = {
      {"left", kLeft}, {"top", kTop}, {"right", kRight}, {"bottom", kBottom}};
  for (const auto& [side, slot] : edges)
    if (s.borders[slot].visible())
      css += std::string("border-") + side + ":" + borderText(book, s.borders[slot]) + ";";
  if (s.font.name != base.name) css += "font-family:\"" + escaped(s.font.name) + "\";";
  if (s.font.size != base.size) css += "font-size:" + decimal(s.font.size) + "pt;";
  if (s.font.bold) css += "font-weight:bold;";
  if (s.font.italic) css += "font-style:italic;";
  if (s.font.underline == xl::UnderlineDouble)
    css += "text-decoration:underline double;";
  else if (s.font.underline != xl::UnderlineNone)
    css += "text-decoration:underline;";
  if (paletteIndex(s.font.colorIndex)) css += "color:" + colorText(book, s.font.colorIndex) + ";";
  if (const char* h = horizontalText(s.horizontalAlignment))
    css += std::string("text-align:") + h + ";";
  if (s.verticalAlignment != xl::Bottom)
    css += std::string("vertical-align:") + verticalText(s.verticalAlignment) + ";";
  if (s.wrapText) css += "white-space:pre-wrap;overflow-wrap:anywhere;";
  return css;
}

// The visible lines of one axis inside [first, last], with their pixels.
std::vector<std::pair<int, int>> visibleLines(const Worksheet& sheet, Axis axis, int first,
                                              int last) {
  std::vector<std::pair<int, int>> lines;
  for (int i = first; i <= last; ++i)
    if (const int px = LinePixels(sheet, axis, i); px > 0) lines.emplace_back(i, px);
  return lines;
}

int visibleCount(const std::vector<std::pair<int, int>>& lines, int first, int last) {
  return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const auto& l) {
    return l.first >= first && l.first <= last;
  }));
}

class TableWriter {
 public:
  TableWriter(const Worksheet& sheet, const CellRange& range)
      : sheet_(sheet),
        book_(sheet.workbook()),
        range_(range),
        columns_(visibleLines(sheet, Axis::Columns, range.first.column, range.last.column)),
        rows_(visibleLines(sheet, Axis::Rows, range.first.row, range.last.row)) {
    // Each cell of the range inside a merged area, with that area: asked of
    // every cell, a search through all the areas would cost the most.
    const auto& areas = sheet.mergedAreas();
    for (std::size_t i = 0; i < areas.size(); ++i) {
      const int top = std::max(areas[i].first.row, range.first.row);
      const int bottom = std::min(areas[i].last.row, range.last.row);
      const int left = std::max(areas[i].first.column, range.first.column);
      const int right = std::min(areas[i].last.column, range.last.column);
      for (int row = top; row <= bottom; ++row)
        for (int column = left; column <= right; ++column)
          merged_.try_emplace(key({row, column}), i);
    }
  }

  std::string write() {
    std::string body;
    for (const auto& [row, px] : rows_) writeRow(body, row, px);
    long long width = 0;
    for (const auto& [column, px] : columns_) width += px;
    const Font& font = book_.defaultFont();
    std::string out = "<style>\n.sheet{border-collapse:collapse;table-layout:fixed;font-family:\"" +
                      escaped(font.name) +
                      "\",\"Liberation Sans\",sans-serif;font-size:" + decimal(font.size) +
                      "pt}\n"
                      ".sheet td{padding:0 2px;overflow:hidden;white-space:pre;line-height:1;"
                      "vertical-align:bottom}\n"
                      ".sheet .n{text-align:right}.sheet .b{text-align:center}\n";
    for (const auto& [id, name] : classes_)
      out += ".sheet ." + name + "{" + styleRule(book_, book_.styles().get(id)) + "}\n";
    out += "</style>\n<table class=\"sheet\" style=\"width:" + std::to_string(width) + "px\">\n";
    out += "<colgroup>";
    for (const auto& [column, px] : columns_)
      out += "<col style=\"width:" + std::to_string(px) + "px\">";
    out += "</colgroup>\n" + body + "</table>\n";
    return out;
  }

 private:
  void writeRow(std::string& out, int row, int px) {
    out += "<tr style=\"height:" + std::to_string(px) + "px\">";
    for (const auto& [column, cpx] : columns_) writeCell(out, {row, column});
    out += "</tr>\n";
  }

  void writeCell(std::string& out, CellAddress at) {
    CellRange area = CellRange::of(at);
    if (const auto it = merged_.find(key(at)); it != merged_.end()) {
      const CellRange& merged = sheet_.mergedAreas()[it->second];
      // A merged area shows once, from its first visible cell in the range.
      auto [shown, added] = shown_.try_emplace(it->second);
      if (added)
        shown->second = {std::max(merged.first.row, firstVisibleRow(merged)),
                         std::max(merged.first.column, firstVisibleColumn(merged))};
      if (!(shown->second == at)) return;
      area = merged;
    }
    const Cell* cell = sheet_.find(area.first);
    const StyleId id = sheet_.styleAt(area.first);
    const Style& style = book_.styles().get(id);
    std::string classes;
    if (hasRule(id)) classes = className(id);
    std::string text;
    if (cell && !cell->value.isEmpty()) {
      text = format::displayText(cell->value, style.numberFormat);
      if (style.horizontalAlignment == xl::General) {
        const char* byKind = cell->value.isNumber()    ? "n"
                             : cell->value.isBoolean() ? "b"
                             : cell->value.isError()   ? "b"
                                                       : nullptr;
        if (byKind) classes += (classes.empty() ? "" : " ") + std::string(byKind);
      }
    }
    out += "<td";
    if (!classes.empty()) out += " class=\"" + classes + "\"";
    const int columns = visibleCount(columns_, area.first.column, area.last.column);
    const int rows = visibleCount(rows_, area.first.row, area.last.row);
    if (columns > 1) out += " colspan=\"" + std::to_string(columns) + "\"";
    if (rows > 1) out += " rowspan=\"" + std::to_string(rows) + "\"";
    out += ">" + escaped(text, true) + "</td>";
  }

  int firstVisibleRow(const CellRange& area) const {
    for (const auto& [row, px] : rows_)
      if (row >= area.first.row) return row;
    return area.first.row;
  }
  int firstVisibleColumn(const CellRange& area) const {
    for (const auto& [column, px] : columns_)
      if (column >= area.first.column) return column;
    return area.first.column;
  }

  static long long key(CellAddress a) { return static_cast<long long>(a.row) << 16 | a.column; }

  bool hasRule(StyleId id) {
    const auto [it, added] = hasRule_.try_emplace(id, false);
    if (added) it->second = !styleRule(book_, book_.styles().get(id)).empty();
    return it->second;
  }

  const std::string& className(StyleId id) {
    auto [it, added] = classes_.try_emplace(id, "s" + std::to_string(id));
    return it->second;
  }

  const Worksheet& sheet_;
  const Workbook& book_;
  CellRange range_;
  std::vector<std::pair<int, int>> columns_;  // (column, pixels)
  std::vector<std::pair<int, int>> rows_;     // (row, pixels)
  std::map<StyleId, std::string> classes_;
  std::unordered_map<StyleId, bool> hasRule_;
  std::unordered_map<long long, std::size_t> merged_;   // key(cell) -> index of its merged area
  std::unordered_map<std::size_t, CellAddress> shown_;  // merged area -> the cell that shows it
};

struct Paper {
  const char* name;
  double widthPoints;
  double heightPoints;
};

Paper paperOf(int code) {
  if (code == xl::PaperA4) return {"A4", 595.28, 841.89};
  return {"letter", 612, 792};
}

long long linePixels(const Worksheet& sheet, Axis axis, int first, int last) {
  long long total = 0;
  for (int i = first; i <= last; ++i) total += LinePixels(sheet, axis, i);
  return total;
}

}  // namespace

std::string htmlTable(const Worksheet& sheet, const CellRange& range) {
  return TableWriter(sheet, range).write();
}

std::string htmlPage(const Workbook& book, std::size_t index) {
  if (index >= book.sheetCount()) throw Error("Cannot write the page: there is no such sheet.");
  const Worksheet& sheet = book.sheet(index);
  const PageSetup& page = sheet.pageSetup();
  const CellRange range =
      page.printArea ? *page.printArea : sheet.usedRange().value_or(CellRange::of({1, 1}));
  const bool landscape = page.orientation == xl::Landscape;
  const Paper paper = paperOf(page.paperSize);
  double across = landscape ? paper.heightPoints : paper.widthPoints;
  double down = landscape ? paper.widthPoints : paper.heightPoints;
  across -= page.leftMargin + page.rightMargin;
  down -= page.topMargin + page.bottomMargin;
  // Points to CSS pixels: 96 a inch.
  const double roomWide = across * 96 / 72;
  const double roomTall = down * 96 / 72;
  const double tableWide =
      static_cast<double>(linePixels(sheet, Axis::Columns, range.first.column, range.last.column));
  const double tableTall =
      static_cast<double>(linePixels(sheet, Axis::Rows, range.first.row, range.last.row));
  double scale = 1;
  if (page.zoom) {
    scale = *page.zoom / 100.0;
  } else {
    if (page.fitToPagesWide > 0 && tableWide > 0)
      scale = std::min(scale, roomWide * page.fitToPagesWide / tableWide);
    if (page.fitToPagesTall > 0 && tableTall > 0)
      scale = std::min(scale, roomTall * page.fitToPagesTall / tableTall);
  }
  std::string out = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                    escaped(sheet.name()) + "</title>\n";
  out += std::string("<style>\n@page{size:") + paper.name +
         (landscape ? " landscape" : " portrait") + ";margin:" + decimal(page.topMargin) + "pt " +
         decimal(page.rightMargin) + "pt " + decimal(page.bottomMargin) + "pt " +
         decimal(page.leftMargin) + "pt}\n" +
         "@media print{body{margin:0}.sheet{zoom:" + decimal(scale) + "}}\n</style>\n";
  out += "</head>\n<body>\n" + htmlTable(sheet, range) + "</body>\n</html>\n";
  return out;
}

}  // namespace spreadsheet::html
