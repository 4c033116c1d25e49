#include "spreadsheet/ods/cell_styles.h"

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
QString borderText(const Workbook& book, const Border& b) {
  if (!b.visible()) return "none";
  const bool heavy = b.weight == xl::Medium || b.weight == xl::Thick;
  QString width = b.weight == xl::Hairline ? "0.05pt"
                  : b.weight == xl::Medium ? "1.76pt"
                  : b.weight == xl::Thick  ? "2.49pt"
                                           : "0.74pt";
  QString line = "solid";
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
  const QString color = paletteIndex(b.colorIndex) ? colorText(book, b.colorIndex) : "#000000";
  return width + " " + line + " " + color;
}

QString horizontalText(int alignment) {
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

QString verticalText(int alignment) {
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
QString cellProtect(const Style& s) {
  if (s.locked && s.hidden) return "protected formula-hidden";
  if (s.hidden) return "formula-hidden";
  return s.locked ? "protected" : "none";
}

}  // namespace

QString colorText(const Workbook& book, int colorIndex) {
  const Rgb c = book.color(colorIndex);
  return QString("#%1%2%3")
      .arg(red(c), 2, 16, QChar('0'))
      .arg(green(c), 2, 16, QChar('0'))
      .arg(blue(c), 2, 16, QChar('0'));
}

QString AutomaticStyles::cellStyle(StyleId style) {
  return cellStyle(book_.styles().get(style));
}

QString AutomaticStyles::cellStyle(const Style& style) {
  auto [it, added] = cellIndex_.try_emplace(style, cells_.size());
  if (added) {
    cells_.emplace_back("ce" + QString::number(cells_.size() + 1), style);
    if (style.numberFormat != "General")
      numberFormats_.try_emplace(style.numberFormat,
                                 "N" + QString::number(numberFormats_.size() + 1));
  }
  return cells_[it->second].first;
}

QString AutomaticStyles::columnStyle(int pixels) {
  auto [it, added] = columns_.try_emplace(pixels, "co" + QString::number(columns_.size() + 1));
  return it->second;
}

QString AutomaticStyles::rowStyle(double points) {
  auto [it, added] = rows_.try_emplace(points, "ro" + QString::number(rows_.size() + 1));
  return it->second;
}

void AutomaticStyles::writeFontFaces(QXmlStreamWriter& xml) const {
  std::set<std::string> fonts{book_.defaultFont().name};
  for (const auto& [name, style] : cells_) fonts.insert(style.font.name);
  xml.writeStartElement(ns::office, "font-face-decls");
  for (const std::string& font : fonts) {
    xml.writeStartElement(ns::style, "font-face");
    xml.writeAttribute(ns::style, "name", QString::fromStdString(font));
    xml.writeAttribute(ns::svg, "font-family", QString::fromStdString(font));
    xml.writeEndElement();
  }
  xml.writeEndElement();
}

void AutomaticStyles::write(QXmlStreamWriter& xml) const {
  for (const auto& [pixels, name] : columns_) {
    xml.writeStartElement(ns::style, "style");
    xml.writeAttribute(ns::style, "name", name);
    xml.writeAttribute(ns::style, "family", "table-column");
    xml.writeEmptyElement(ns::style, "table-column-properties");
    xml.writeAttribute(ns::fo, "break-before", "auto");
    xml.writeAttribute(ns::style, "column-width", pixelLength(pixels));
    xml.writeEndElement();
  }
  for (const auto& [height, name] : rows_) {
    xml.writeStartElement(ns::style, "style");
    xml.writeAttribute(ns::style, "name", name);
    xml.writeAttribute(ns::style, "family", "table-row");
    xml.writeEmptyElement(ns::style, "table-row-properties");
    xml.writeAttribute(ns::style, "row-height", points(height));
    xml.writeAttribute(ns::fo, "break-before", "auto");
    xml.writeAttribute(ns::style, "use-optimal-row-height", "false");
    xml.writeEndElement();
  }
  for (const auto& [code, name] : numberFormats_) writeNumberStyle(xml, name.toStdString(), code);
  for (const auto& [name, style] : cells_) writeCellStyle(xml, name, style);
}

void AutomaticStyles::writeCellStyle(QXmlStreamWriter& xml, const QString& name,
                                     const Style& s) const {
  xml.writeStartElement(ns::style, "style");
  xml.writeAttribute(ns::style, "name", name);
  xml.writeAttribute(ns::style, "family", "table-cell");
  xml.writeAttribute(ns::style, "parent-style-name", "Default");
  if (auto it = numberFormats_.find(s.numberFormat); it != numberFormats_.end())
    xml.writeAttribute(ns::style, "data-style-name", it->second);

  xml.writeEmptyElement(ns::style, "table-cell-properties");
  if (paletteIndex(s.fillColorIndex))
    xml.writeAttribute(ns::fo, "background-color", colorText(book_, s.fillColorIndex));
  xml.writeAttribute(ns::fo, "border-left", borderText(book_, s.borders[kLeft]));
  xml.writeAttribute(ns::fo, "border-top", borderText(book_, s.borders[kTop]));
  xml.writeAttribute(ns::fo, "border-bottom", borderText(book_, s.borders[kBottom]));
  xml.writeAttribute(ns::fo, "border-right", borderText(book_, s.borders[kRight]));
  if (s.borders[kDiagonalDown].visible())
    xml.writeAttribute(ns::style, "diagonal-tl-br", borderText(book_, s.borders[kDiagonalDown]));
  if (s.borders[kDiagonalUp].visible())
    xml.writeAttribute(ns::style, "diagonal-bl-tr", borderText(book_, s.borders[kDiagonalUp]));
  xml.writeAttribute(ns::style, "vertical-align", verticalText(s.verticalAlignment));
  if (s.wrapText) xml.writeAttribute(ns::fo, "wrap-option", "wrap");
  const QString horizontal = horizontalText(s.horizontalAlignment);
  xml.writeAttribute(ns::style, "text-align-source", horizontal.isEmpty() ? "value-type" : "fix");
  xml.writeAttribute(ns::style, "cell-protect", cellProtect(s));

  if (!horizontal.isEmpty()) {
    xml.writeEmptyElement(ns::style, "paragraph-properties");
    xml.writeAttribute(ns::fo, "text-align", horizontal);
  }

  xml.writeEmptyElement(ns::style, "text-properties");
  xml.writeAttribute(ns::style, "font-name", QString::fromStdString(s.font.name));
  xml.writeAttribute(ns::fo, "font-size", points(s.font.size));
  xml.writeAttribute(ns::fo, "font-weight", s.font.bold ? "bold" : "normal");
  xml.writeAttribute(ns::fo, "font-style", s.font.italic ? "italic" : "normal");
  if (s.font.underline == xl::UnderlineSingle || s.font.underline == xl::UnderlineDouble) {
    xml.writeAttribute(ns::style, "text-underline-style", "solid");
    xml.writeAttribute(ns::style, "text-underline-type",
                       s.font.underline == xl::UnderlineDouble ? "double" : "single");
    xml.writeAttribute(ns::style, "text-underline-width", "auto");
    xml.writeAttribute(ns::style, "text-underline-color", "font-color");
  }
  if (paletteIndex(s.font.colorIndex))
    xml.writeAttribute(ns::fo, "color", colorText(book_, s.font.colorIndex));
  xml.writeEndElement();
}

}  // namespace spreadsheet::ods
