#include "spreadsheet/ods/cell_styles.h"

#include <cstdio>
#include <set>

#include "spreadsheet/model/constants.h"
#include "spreadsheet/ods/lengths.h"
#include "spreadsheet/ods/namespaces.h"
#include "spreadsheet/ods/number_style.h"

namespace spreadsheet::ods {

namespace {

bool paletteIndex(int colorIndex) {
  return colorIndex >= 1 && colorIndex <= 56;
}

// A border as fo:border takes it: width, line, colour. Widths are those a
// spreadsheet program gives its thin, medium and thick lines.
std::string borderText(const Workbook& book, const Border& b) {
  if (!b.visible()) return "none";
  const bool heavy = b.weight == xl::Medium || b.weight == xl::Thick;
  std::string width = b.weight == xl::Hairline ? "0.05pt"
                      : b.weight == xl::Medium ? "1.76pt"
                      : b.weight == xl::Thick  ? "2.49pt"
                                               : "0.74pt";
  std::string line = "solid";
  switch (b.lineStyle) {
    case xl::Dash:
      line = "dashed";
      break;
    case xl::Dot:
      line = "dotted";
      break;
    case xl::Double:
      line = "double";
      width = "2.49pt";
      break;
    case xl::DashDot:
    case xl::SlantDashDot:
      line = "dash-dot";
      break;
    case xl::DashDotDot:
      line = "dash-dot-dot";
      break;
    default:
      break;
  }
  if (heavy && b.lineStyle != xl::Continuous && b.lineStyle != xl::Double) width = "1.76pt";
  const std::string color = paletteIndex(b.colorIndex) ? colorText(book, b.colorIndex) : "#000000";
  return width + " " + line + " " + color;
}

std::string horizontalText(int alignment) {
  switch (alignment) {
    case xl::Left:
      return "start";
    case xl::Center:
    case xl::CenterAcrossSelection:
    case xl::Fill:
      return "center";
    case xl::Right:
      return "end";
    case xl::Justify:
    case xl::Distributed:
      return "justify";
    default:
      return {};
  }
}

std::string verticalText(int alignment) {
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

// A list of "protected" and "formula-hidden", or "none".
std::string cellProtect(const Style& s) {
  if (s.locked && s.hidden) return "protected formula-hidden";
  if (s.hidden) return "formula-hidden";
  return s.locked ? "protected" : "none";
}

}  // namespace

std::string colorText(const Workbook& book, int colorIndex) {
  const Rgb c = book.color(colorIndex);
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", red(c) & 0xFF, green(c) & 0xFF, blue(c) & 0xFF);
  return text;
}

std::string AutomaticStyles::cellStyle(StyleId style) {
  return cellStyle(book_.styles().get(style));
}

std::string AutomaticStyles::cellStyle(const Style& style) {
  auto [it, added] = cellIndex_.try_emplace(style, cells_.size());
  if (added) {
    cells_.emplace_back("ce" + std::to_string(cells_.size() + 1), style);
    if (style.numberFormat != "General")
      numberFormats_.try_emplace(style.numberFormat,
                                 "N" + std::to_string(numberFormats_.size() + 1));
  }
  return cells_[it->second].first;
}

std::string AutomaticStyles::columnStyle(int pixels) {
  auto [it, added] = columns_.try_emplace(pixels, "co" + std::to_string(columns_.size() + 1));
  return it->second;
}

std::string AutomaticStyles::rowStyle(double points) {
  auto [it, added] = rows_.try_emplace(points, "ro" + std::to_string(rows_.size() + 1));
  return it->second;
}

void AutomaticStyles::writeFontFaces(XmlWriter& xml) const {
  std::set<std::string> fonts{book_.defaultFont().name};
  for (const auto& [name, style] : cells_) fonts.insert(style.font.name);
  xml.startElement("office:font-face-decls");
  for (const std::string& font : fonts) {
    xml.startElement("style:font-face");
    xml.attribute("style:name", font);
    xml.attribute("svg:font-family", font);
    xml.endElement();
  }
  xml.endElement();
}

void AutomaticStyles::write(XmlWriter& xml) const {
  for (const auto& [pixels, name] : columns_) {
    xml.startElement("style:style");
    xml.attribute("style:name", name);
    xml.attribute("style:family", "table-column");
    xml.emptyElement("style:table-column-properties");
    xml.attribute("fo:break-before", "auto");
    xml.attribute("style:column-width", pixelLength(pixels));
    xml.endElement();
  }
  for (const auto& [height, name] : rows_) {
    xml.startElement("style:style");
    xml.attribute("style:name", name);
    xml.attribute("style:family", "table-row");
    xml.emptyElement("style:table-row-properties");
    xml.attribute("style:row-height", points(height));
    xml.attribute("fo:break-before", "auto");
    xml.attribute("style:use-optimal-row-height", "false");
    xml.endElement();
  }
  for (const auto& [code, name] : numberFormats_) writeNumberStyle(xml, name, code);
  for (const auto& [name, style] : cells_) writeCellStyle(xml, name, style);
}

void AutomaticStyles::writeCellStyle(XmlWriter& xml, const std::string& name,
                                     const Style& s) const {
  xml.startElement("style:style");
  xml.attribute("style:name", name);
  xml.attribute("style:family", "table-cell");
  xml.attribute("style:parent-style-name", "Default");
  if (auto it = numberFormats_.find(s.numberFormat); it != numberFormats_.end())
    xml.attribute("style:data-style-name", it->second);

  xml.emptyElement("style:table-cell-properties");
  if (paletteIndex(s.fillColorIndex))
    xml.attribute("fo:background-color", colorText(book_, s.fillColorIndex));
  xml.attribute("fo:border-left", borderText(book_, s.borders[kLeft]));
  xml.attribute("fo:border-top", borderText(book_, s.borders[kTop]));
  xml.attribute("fo:border-bottom", borderText(book_, s.borders[kBottom]));
  xml.attribute("fo:border-right", borderText(book_, s.borders[kRight]));
  if (s.borders[kDiagonalDown].visible())
    xml.attribute("style:diagonal-tl-br", borderText(book_, s.borders[kDiagonalDown]));
  if (s.borders[kDiagonalUp].visible())
    xml.attribute("style:diagonal-bl-tr", borderText(book_, s.borders[kDiagonalUp]));
  xml.attribute("style:vertical-align", verticalText(s.verticalAlignment));
  if (s.wrapText) xml.attribute("fo:wrap-option", "wrap");
  const std::string horizontal = horizontalText(s.horizontalAlignment);
  xml.attribute("style:text-align-source", horizontal.empty() ? "value-type" : "fix");
  xml.attribute("style:cell-protect", cellProtect(s));

  if (!horizontal.empty()) {
    xml.emptyElement("style:paragraph-properties");
    xml.attribute("fo:text-align", horizontal);
  }

  xml.emptyElement("style:text-properties");
  xml.attribute("style:font-name", s.font.name);
  xml.attribute("fo:font-size", points(s.font.size));
  xml.attribute("fo:font-weight", s.font.bold ? "bold" : "normal");
  xml.attribute("fo:font-style", s.font.italic ? "italic" : "normal");
  if (s.font.underline == xl::UnderlineSingle || s.font.underline == xl::UnderlineDouble) {
    xml.attribute("style:text-underline-style", "solid");
    xml.attribute("style:text-underline-type",
                  s.font.underline == xl::UnderlineDouble ? "double" : "single");
    xml.attribute("style:text-underline-width", "auto");
    xml.attribute("style:text-underline-color", "font-color");
  }
  if (paletteIndex(s.font.colorIndex))
    xml.attribute("fo:color", colorText(book_, s.font.colorIndex));
  xml.endElement();
}

}  // namespace spreadsheet::ods
