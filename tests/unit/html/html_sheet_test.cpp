#include "spreadsheet/html/html_sheet.h"

#include <gtest/gtest.h>

#include <string>

#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/workbook.h"

namespace spreadsheet::html {
namespace {

// The table's markup after the <style> element, and the style element alone.
std::string tablePart(const std::string& html) {
  return html.substr(html.find("</style>\n") + 9);
}

TEST(HtmlSheetTest, SmallRangesBecomeTheseTables) {
  const std::string head = "<table class=\"sheet\" style=\"width:";
  struct Case {
    const char* name;
    void (*fill)(Workbook&, Worksheet&);
    CellRange range;
    std::string table;
  };
  const Case cases[] = {
      {"empty cells keep the default sizes", [](Workbook&, Worksheet&) {},
       CellRange::of(1, 1, 1, 2),
       head +
           "128px\">\n<colgroup><col style=\"width:64px\"><col style=\"width:64px\"></colgroup>\n"
           "<tr style=\"height:17px\"><td></td><td></td></tr>\n</table>\n"},
      {"a merged area spans, its covered cells are left out; text is escaped",
       [](Workbook&, Worksheet& s) {
         s.cell({1, 1}).value = CellValue("a<b & \"c\"\nd");
         s.mergedAreas().push_back(CellRange::of(1, 1, 2, 2));
       },
       CellRange::of(1, 1, 2, 3),
       head + "192px\">\n<colgroup><col style=\"width:64px\"><col style=\"width:64px\">"
              "<col style=\"width:64px\"></colgroup>\n"
              "<tr style=\"height:17px\"><td colspan=\"2\" rowspan=\"2\">a&lt;b &amp; &quot;c&quot;"
              "<br>d</td><td></td></tr>\n<tr style=\"height:17px\"><td></td></tr>\n</table>\n"},
      {"numbers show through their format and stand right; hidden lines are left out",
       [](Workbook& b, Worksheet& s) {
         Style money;
         money.numberFormat = "$#,##0.00";
         Cell& c = s.cell({1, 1});
         c.value = CellValue(1234.5);
         c.style = b.styles().intern(money);
         s.cell({1, 2}).value = CellValue(true);
         s.line(Axis::Columns, 3).hidden = true;
         s.line(Axis::Rows, 2).size = 30;
       },
       CellRange::of(1, 1, 2, 3),
       head +
           "128px\">\n<colgroup><col style=\"width:64px\"><col style=\"width:64px\"></colgroup>\n"
           "<tr style=\"height:17px\"><td class=\"n\">$1,234.50</td><td "
           "class=\"b\">TRUE</td></tr>\n"
           "<tr style=\"height:40px\"><td></td><td></td></tr>\n</table>\n"},
  };
  for (const Case& c : cases) {
    Workbook book;
    Worksheet& sheet = book.addSheet("S");
    c.fill(book, sheet);
    EXPECT_EQ(tablePart(htmlTable(sheet, c.range)), c.table) << c.name;
  }
}

TEST(HtmlSheetTest, CellStylesBecomeClassRules) {
  Workbook book;
  Worksheet& sheet = book.addSheet("S");
  Style s;
  s.font.bold = true;
  s.font.size = 12;
  s.font.colorIndex = 3;
  s.fillColorIndex = 6;
  s.borders[kLeft] = {xl::Continuous, xl::Thin, xl::ColorAutomatic};
  s.borders[kTop] = {xl::Dash, xl::Medium, 5};
  s.borders[kBottom] = {xl::Double, xl::Thick, xl::ColorAutomatic};
  s.horizontalAlignment = xl::Center;
  s.verticalAlignment = xl::Top;
  s.wrapText = true;
  Cell& c = sheet.cell({1, 1});
  c.value = CellValue(7.0);
  c.style = book.styles().intern(s);
  const std::string html = htmlTable(sheet, CellRange::of({1, 1}));
  const std::string rule =
      "{background:#ffff00;border-left:1px solid #000000;border-top:2px dashed #0000ff;"
      "border-bottom:3px double #000000;font-size:12pt;font-weight:bold;color:#ff0000;"
      "text-align:center;vertical-align:top;white-space:pre-wrap;overflow-wrap:anywhere;}";
  EXPECT_NE(html.find(".sheet .s" + std::to_string(c.style) + rule), std::string::npos) << html;
  // A fixed alignment needs no alignment by value kind.
  EXPECT_NE(html.find("<td class=\"s" + std::to_string(c.style) + "\">7</td>"), std::string::npos)
      << html;
}

TEST(HtmlSheetTest, ThePagePrintsTheAreaOnOneLandscapePage) {
  Workbook book;
  Worksheet& sheet = book.addSheet("Time<Sheet>");
  sheet.cell({5, 5}).value = CellValue("outside");
  PageSetup& page = sheet.pageSetup();
  page.printArea = CellRange::of(1, 1, 2, 2);
  page.orientation = xl::Landscape;
  page.paperSize = xl::PaperLetter;
  page.zoom.reset();
  page.leftMargin = page.rightMargin = 18;
  page.topMargin = page.bottomMargin = 54;
  for (int col = 1; col <= 2; ++col) sheet.line(Axis::Columns, col).size = 200;
  const std::string html = htmlPage(book);
  EXPECT_EQ(html.rfind("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>Time&lt;Sheet&gt;</title>\n",
                       0),
            0u)
      << html;
  // 792 - 36 pt across is 1008 px; two columns of 200 characters are 2 x 1405 px.
  EXPECT_NE(html.find("@page{size:letter landscape;margin:54pt 18pt 54pt 18pt}\n"
                      "@media print{body{margin:0}.sheet{zoom:0.3587}}"),
            std::string::npos)
      << html;
  EXPECT_EQ(html.find("outside"), std::string::npos);
}

}  // namespace
}  // namespace spreadsheet::html
