#include "spreadsheet/ods/styles_xml.h"

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

void writeDefaultStyle(XmlWriter& xml, const Workbook& book) {
  const Font& font = book.defaultFont();
  xml.startElement("office:font-face-decls");
  xml.emptyElement("style:font-face");
  xml.attribute("style:name", font.name);
  xml.attribute("svg:font-family", font.name);
  xml.endElement();
  xml.startElement("office:styles");
  xml.startElement("style:style");
  xml.attribute("style:name", "Default");
  xml.attribute("style:family", "table-cell");
  xml.emptyElement("style:text-properties");
  xml.attribute("style:font-name", font.name);
  xml.attribute("fo:font-size", points(font.size));
  xml.endElement();
  xml.endElement();
}

void writePageLayout(XmlWriter& xml, std::size_t index, const PageSetup& page) {
  Paper paper = paperOf(page.paperSize);
  const bool landscape = page.orientation == xl::Landscape;
  if (landscape) std::swap(paper.widthPoints, paper.heightPoints);
  xml.startElement("style:page-layout");
  xml.attribute("style:name", "pm" + std::to_string(index + 1));
  xml.emptyElement("style:page-layout-properties");
  xml.attribute("fo:page-width", points(paper.widthPoints));
  xml.attribute("fo:page-height", points(paper.heightPoints));
  xml.attribute("style:print-orientation", landscape ? "landscape" : "portrait");
  xml.attribute("fo:margin-left", points(page.leftMargin));
  xml.attribute("fo:margin-right", points(page.rightMargin));
  xml.attribute("fo:margin-top", points(page.topMargin));
  xml.attribute("fo:margin-bottom", points(page.bottomMargin));
  if (page.zoom) {
    xml.attribute("style:scale-to", std::to_string(*page.zoom) + "%");
  } else {
    xml.attribute("style:scale-to-X", std::to_string(page.fitToPagesWide));
    xml.attribute("style:scale-to-Y", std::to_string(page.fitToPagesTall));
  }
  // Zero values print, as the sheet shows them ("0.00" hours, the pay dashes).
  xml.attribute("style:print", page.printComments == xl::PrintNoComments
                                   ? "objects charts drawings zero-values"
                                   : "annotations objects charts drawings zero-values");
  xml.endElement();
}

void writeMasterPage(XmlWriter& xml, std::size_t index) {
  xml.startElement("style:master-page");
  xml.attribute("style:name", masterPageName(index));
  xml.attribute("style:page-layout-name", "pm" + std::to_string(index + 1));
  // No header or footer: the sheet prints none, so the margins hold as set.
  xml.emptyElement("style:header");
  xml.attribute("style:display", "false");
  xml.emptyElement("style:footer");
  xml.attribute("style:display", "false");
  xml.endElement();
}

}  // namespace

std::string stylesXml(const Workbook& book) {
  XmlWriter xml;
  xml.startDocument();
  ns::declareAll(xml);
  xml.startElement("office:document-styles");
  xml.attribute("office:version", "1.3");
  writeDefaultStyle(xml, book);
  xml.startElement("office:automatic-styles");
  for (std::size_t i = 0; i < book.sheetCount(); ++i)
    writePageLayout(xml, i, book.sheet(i).pageSetup());
  xml.endElement();
  xml.startElement("office:master-styles");
  for (std::size_t i = 0; i < book.sheetCount(); ++i) writeMasterPage(xml, i);
  xml.endElement();
  xml.endElement();
  return xml.endDocument();
}

}  // namespace spreadsheet::ods
