#include "spreadsheet/ods/styles_xml.h"

#include <QXmlStreamWriter>

#include "spreadsheet/model/constants.h"
#include "spreadsheet/ods/content_xml.h"
#include "spreadsheet/ods/lengths.h"
#include "spreadsheet/ods/namespaces.h"

namespace spreadsheet::ods {

namespace {

struct Paper {
  double widthPoints;
  double heightPoints;
};

// Portrait sizes of the paper codes the page setup uses; others print on A4.
Paper paperOf(int code) {
  if (code == xl::PaperLetter) return {612, 792};
  return {595.28, 841.89};
}

void writeDefaultStyle(QXmlStreamWriter& xml, const Workbook& book) {
  const Font& font = book.defaultFont();
  xml.writeStartElement(ns::office, "font-face-decls");
  xml.writeEmptyElement(ns::style, "font-face");
  xml.writeAttribute(ns::style, "name", QString::fromStdString(font.name));
  xml.writeAttribute(ns::svg, "font-family", QString::fromStdString(font.name));
  xml.writeEndElement();
  xml.writeStartElement(ns::office, "styles");
  xml.writeStartElement(ns::style, "style");
  xml.writeAttribute(ns::style, "name", "Default");
  xml.writeAttribute(ns::style, "family", "table-cell");
  xml.writeEmptyElement(ns::style, "text-properties");
  xml.writeAttribute(ns::style, "font-name", QString::fromStdString(font.name));
  xml.writeAttribute(ns::fo, "font-size", points(font.size));
  xml.writeEndElement();
  xml.writeEndElement();
}

void writePageLayout(QXmlStreamWriter& xml, std::size_t index, const PageSetup& page) {
  Paper paper = paperOf(page.paperSize);
  const bool landscape = page.orientation == xl::Landscape;
  if (landscape) std::swap(paper.widthPoints, paper.heightPoints);
  xml.writeStartElement(ns::style, "page-layout");
  xml.writeAttribute(ns::style, "name", QString("pm%1").arg(index + 1));
  xml.writeEmptyElement(ns::style, "page-layout-properties");
  xml.writeAttribute(ns::fo, "page-width", points(paper.widthPoints));
  xml.writeAttribute(ns::fo, "page-height", points(paper.heightPoints));
  xml.writeAttribute(ns::style, "print-orientation", landscape ? "landscape" : "portrait");
  xml.writeAttribute(ns::fo, "margin-left", points(page.leftMargin));
  xml.writeAttribute(ns::fo, "margin-right", points(page.rightMargin));
  xml.writeAttribute(ns::fo, "margin-top", points(page.topMargin));
  xml.writeAttribute(ns::fo, "margin-bottom", points(page.bottomMargin));
  if (page.zoom) {
    xml.writeAttribute(ns::style, "scale-to", QString("%1%").arg(*page.zoom));
  } else {
    xml.writeAttribute(ns::style, "scale-to-X", QString::number(page.fitToPagesWide));
    xml.writeAttribute(ns::style, "scale-to-Y", QString::number(page.fitToPagesTall));
  }
  // Zero values print, as the sheet shows them ("0.00" hours, the pay dashes).
  xml.writeAttribute(ns::style, "print",
                     page.printComments == xl::PrintNoComments
                         ? "objects charts drawings zero-values"
                         : "annotations objects charts drawings zero-values");
  xml.writeEndElement();
}

void writeMasterPage(QXmlStreamWriter& xml, std::size_t index) {
  xml.writeStartElement(ns::style, "master-page");
  xml.writeAttribute(ns::style, "name", masterPageName(index));
  xml.writeAttribute(ns::style, "page-layout-name", QString("pm%1").arg(index + 1));
  // No header or footer: the sheet prints none, so the margins hold as set.
  xml.writeEmptyElement(ns::style, "header");
  xml.writeAttribute(ns::style, "display", "false");
  xml.writeEmptyElement(ns::style, "footer");
  xml.writeAttribute(ns::style, "display", "false");
  xml.writeEndElement();
}

}  // namespace

QByteArray stylesXml(const Workbook& book) {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.writeStartDocument();
  ns::declareAll(xml);
  xml.writeStartElement(ns::office, "document-styles");
  xml.writeAttribute(ns::office, "version", "1.3");
  writeDefaultStyle(xml, book);
  xml.writeStartElement(ns::office, "automatic-styles");
  for (std::size_t i = 0; i < book.sheetCount(); ++i)
    writePageLayout(xml, i, book.sheet(i).pageSetup());
  xml.writeEndElement();
  xml.writeStartElement(ns::office, "master-styles");
  for (std::size_t i = 0; i < book.sheetCount(); ++i) writeMasterPage(xml, i);
  xml.writeEndElement();
  xml.writeEndElement();
  xml.writeEndDocument();
  return bytes;
}

}  // namespace spreadsheet::ods
