// Each element writer of the .ods parts against markup written by hand: the
// exact attributes, their order, the escaping and the document's prolog, so
// that a change of the XML writer underneath shows here first.
#include <gtest/gtest.h>

#include <string>

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/ods/basic_library.h"
#include "spreadsheet/ods/content_xml.h"
#include "spreadsheet/ods/styles_xml.h"
#include "spreadsheet/ods/xml_writer.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::ods {
namespace {

template <typename Bytes>
std::string text(const Bytes& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

const char* const kNamespaces =
    R"~( xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0")~"
    R"~( xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0")~"
    R"~( xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0")~"
    R"~( xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0")~"
    R"~( xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0")~"
    R"~( xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0")~"
    R"~( xmlns:xlink="http://www.w3.org/1999/xlink")~"
    R"~( xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0")~"
    R"~( xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0")~"
    R"~( xmlns:form="urn:oasis:names:tc:opendocument:xmlns:form:1.0")~"
    R"~( xmlns:script="urn:oasis:names:tc:opendocument:xmlns:script:1.0")~"
    R"~( xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2")~"
    R"~( xmlns:ooo="http://openoffice.org/2004/office")~";

// One sheet "S" with one instance of each element the content writes.
void fill(Workbook& book) {
  Worksheet& sheet = book.addSheet("S");
  Style s;
  s.font.bold = true;
  s.fillColorIndex = 6;
  s.borders[kLeft] = {xl::Continuous, xl::Thin, xl::ColorAutomatic};
  s.borders[kTop] = {xl::Dash, xl::Medium, 3};
  s.horizontalAlignment = xl::Center;
  s.verticalAlignment = xl::Top;
  s.wrapText = true;
  s.numberFormat = "0.00";
  s.locked = false;
  Cell& a1 = sheet.cell({1, 1});
  a1.value = CellValue("a<b & \"c\" >\nd");
  a1.style = book.styles().intern(s);
  sheet.cell({2, 1}).value = CellValue(2.5);
  sheet.mergedAreas().push_back(CellRange::of(2, 1, 2, 2));
  Validation rule;
  rule.ranges = {CellRange::of(3, 1, 3, 1)};
  rule.type = xl::ValidateList;
  rule.formula1 = formula::parse("=Time0", formula::Notation::A1, {3, 1});
  rule.inputTitle = "t\tn\nr\r.";
  rule.errorTitle = "Information";
  rule.errorMessage = "Line one\nLine <two>";
  sheet.validations().push_back(rule);
  book.names().push_back(
      {"Time0", formula::parse("=S!$C$1:$C$3", formula::Notation::A1, {1, 1}), 0});
  book.names().push_back({"Rate", formula::parse("=1.5", formula::Notation::A1, {1, 1}), 0});
  Button b;
  b.id = 1;
  b.width = 81;
  b.height = 16.5;
  b.text = "Same as Previous";
  sheet.buttons().push_back(b);
}

TEST(OdsElementMarkupTest, ContentElementsAreWrittenAsReadersExpectThem) {
  Workbook book;
  fill(book);
  const std::string x = text(contentXml(book, {{{0, 0}, "vnd.sun.star.script:X?a=1&b=2"}}));
  const std::string prolog = std::string(R"~(<?xml version="1.0" encoding="UTF-8"?>)~") +
                             "<office:document-content" + kNamespaces +
                             R"~( office:version="1.3"><office:font-face-decls>)~"
                             R"~(<style:font-face style:name="Arial" svg:font-family="Arial"/>)~"
                             "</office:font-face-decls><office:automatic-styles>";
  EXPECT_EQ(x.substr(0, prolog.size()), prolog);
  const std::string end =
      "</table:named-expressions></office:spreadsheet></office:body></office:document-content>\n";
  EXPECT_EQ(x.substr(x.size() - end.size()), end);
  const char* const elements[] = {
      // column and row styles
      R"~(<style:style style:name="co1" style:family="table-column"><style:table-column-properties )~"
      R"~(fo:break-before="auto" style:column-width="48pt"/></style:style>)~",
      R"~(<style:style style:name="ro1" style:family="table-row"><style:table-row-properties )~"
      R"~(style:row-height="12.75pt" fo:break-before="auto" style:use-optimal-row-height="false"/>)~"
      R"~(</style:style>)~",
      // a cell style with its data style, fill, borders, alignment, font
      R"~( style:family="table-cell" style:parent-style-name="Default" style:data-style-name="N1">)~"
      R"~(<style:table-cell-properties fo:background-color="#ffff00" fo:border-left="0.74pt solid #000000" )~"
      R"~(fo:border-top="1.76pt dashed #ff0000" fo:border-bottom="none" fo:border-right="none" )~"
      R"~(style:vertical-align="top" fo:wrap-option="wrap" style:text-align-source="fix" )~"
      R"~(style:cell-protect="none"/><style:paragraph-properties fo:text-align="center"/>)~"
      R"~(<style:text-properties style:font-name="Arial" fo:font-size="10pt" fo:font-weight="bold" )~"
      R"~(fo:font-style="normal"/></style:style>)~",
      // the table style and the button's text style
      R"~(<style:style style:name="ta1" style:family="table" style:master-page-name="PageStyle_1">)~"
      R"~(<style:table-properties table:display="true" style:writing-mode="lr-tb"/></style:style>)~",
      R"~(<style:style style:name="control1_1_text" style:family="paragraph"><style:text-properties )~"
      R"~(style:font-name="Arial" fo:font-size="10pt" fo:font-weight="normal" fo:font-style="normal"/>)~"
      R"~(</style:style>)~",
      // a validation: whitespace in attributes as references
      R"~(<table:content-validations><table:content-validation table:name="val1_1" )~"
      R"~(table:condition="of:cell-content-is-in-list(Time0)" table:display-list="unsorted" )~"
      R"~(table:allow-empty-cell="true" table:base-cell-address="S.A3"><table:help-message )~"
      R"~(table:title="t&#9;n&#10;r&#13;." table:display="true"/><table:error-message )~"
      R"~(table:title="Information" table:display="true" table:message-type="stop">)~"
      R"~(<text:p>Line one</text:p><text:p>Line &lt;two&gt;</text:p></table:error-message>)~"
      R"~(</table:content-validation></table:content-validations>)~",
      // the table's form with its bound button
      R"~(<table:table table:name="S" table:style-name="ta1"><office:forms form:automatic-focus="false" )~"
      R"~(form:apply-design-mode="false"><form:form form:name="Buttons" form:apply-filter="true" )~"
      R"~(form:command-type="table" form:control-implementation="ooo:com.sun.star.form.component.Form">)~"
      R"~(<form:button form:name="Button 1" )~"
      R"~(form:control-implementation="ooo:com.sun.star.form.component.CommandButton" )~"
      R"~(xml:id="control1_1" form:id="control1_1" form:label="Same as Previous" form:button-type="push" )~"
      R"~(form:printable="false" form:focus-on-click="false"><office:event-listeners>)~"
      R"~(<script:event-listener script:language="ooo:script" script:event-name="form:performaction" )~"
      R"~(xlink:href="vnd.sun.star.script:X?a=1&amp;b=2" xlink:type="simple"/></office:event-listeners>)~"
      R"~(</form:button></form:form></office:forms>)~",
      // a text cell: markup characters escaped, one paragraph a line; its control
      R"~(office:value-type="string"><draw:control draw:z-index="0" )~"
      R"~(draw:text-style-name="control1_1_text" svg:x="0pt" svg:y="0pt" svg:width="81pt" )~"
      R"~(svg:height="16.5pt" table:end-cell-address="S.B2" table:end-x="33pt" table:end-y="3.75pt" )~"
      R"~(draw:control="control1_1"/><text:p>a&lt;b &amp; &quot;c&quot; &gt;</text:p><text:p>d</text:p>)~"
      R"~(</table:table-cell>)~",
      // a merged number cell and the cell it covers
      R"~( table:number-columns-spanned="2" table:number-rows-spanned="1" office:value-type="float" )~"
      R"~(office:value="2.5"><text:p>2.5</text:p></table:table-cell><table:covered-table-cell )~",
      // the workbook's names
      R"~(<table:named-expressions><table:named-range table:name="Time0" )~"
      R"~(table:base-cell-address="$S.$A$1" table:cell-range-address="$S.$C$1:.$C$3"/>)~"
      R"~(<table:named-expression table:name="Rate" table:base-cell-address="$S.$A$1" )~"
      R"~(table:expression="of:=1.5"/></table:named-expressions>)~",
  };
  for (const char* e : elements) EXPECT_NE(x.find(e), std::string::npos) << e << "\n\n" << x;
}

TEST(OdsElementMarkupTest, StylesHoldTheDefaultStyleAndOnePageLayoutASheet) {
  Workbook book;
  book.addSheet("S");
  const std::string expected =
      std::string(R"~(<?xml version="1.0" encoding="UTF-8"?><office:document-styles)~") +
      kNamespaces +
      R"~( office:version="1.3"><office:font-face-decls><style:font-face style:name="Arial" )~"
      R"~(svg:font-family="Arial"/></office:font-face-decls><office:styles><style:style )~"
      R"~(style:name="Default" style:family="table-cell"><style:text-properties style:font-name="Arial" )~"
      R"~(fo:font-size="10pt"/></style:style></office:styles><office:automatic-styles>)~"
      R"~(<style:page-layout style:name="pm1"><style:page-layout-properties fo:page-width="612pt" )~"
      R"~(fo:page-height="792pt" style:print-orientation="portrait" fo:margin-left="54pt" )~"
      R"~(fo:margin-right="54pt" fo:margin-top="72pt" fo:margin-bottom="72pt" style:scale-to="100%" )~"
      R"~(style:print="objects charts drawings zero-values"/></style:page-layout></office:automatic-styles>)~"
      R"~(<office:master-styles><style:master-page style:name="PageStyle_1" style:page-layout-name="pm1">)~"
      R"~(<style:header style:display="false"/><style:footer style:display="false"/></style:master-page>)~"
      "</office:master-styles></office:document-styles>\n";
  EXPECT_EQ(text(stylesXml(book)), expected);
}

TEST(OdsElementMarkupTest, BasicLibraryFilesCarryTheirDoctypeAndTheSourceAsText) {
  Workbook book;
  book.addSheet("S");
  const auto files = basicFiles(bindButtons(book, {{"M", "Sub A\n  x = \"<&>\"\nEnd Sub\n"}}));
  const std::string head = R"~(<?xml version="1.0" encoding="UTF-8"?><!DOCTYPE )~";
  const std::string dtd = R"~( PUBLIC "-//OpenOffice.org//DTD OfficeDocument 1.0//EN" )~";
  const struct {
    const char* path;
    std::string xml;
  } expected[] = {
      {"Basic/script-lc.xml",
       head + "library:libraries" + dtd +
           R"~("libraries.dtd"><library:libraries xmlns:library="http://openoffice.org/2000/library" )~"
           R"~(xmlns:xlink="http://www.w3.org/1999/xlink"><library:library library:name="Standard" )~"
           R"~(library:link="false"/></library:libraries>)~" +
           "\n"},
      {"Basic/Standard/script-lb.xml",
       head + "library:library" + dtd +
           R"~("library.dtd"><library:library xmlns:library="http://openoffice.org/2000/library" )~"
           R"~(library:name="Standard" library:readonly="false" library:passwordprotected="false">)~"
           R"~(<library:element library:name="M"/></library:library>)~" +
           "\n"},
      {"Basic/Standard/M.xml",
       head + "script:module" + dtd +
           R"~("module.dtd"><script:module xmlns:script="http://openoffice.org/2000/script" )~"
           R"~(script:name="M" script:language="StarBasic" script:moduleType="normal">)~"
           "Sub A\n  x = &quot;&lt;&amp;&gt;&quot;\nEnd Sub\n</script:module>\n"},
  };
  ASSERT_EQ(files.size(), std::size(expected));
  for (std::size_t i = 0; i < files.size(); ++i) {
    EXPECT_EQ(files[i].first, expected[i].path);
    EXPECT_EQ(text(files[i].second), expected[i].xml) << expected[i].path;
  }
}

// A character XML 1.0 cannot carry is refused, in text and in attributes
// alike, rather than dropped from the user's text.
TEST(OdsXmlWriter, RefusesWhatXmlCannotCarry) {
  const struct {
    const char* text;
    bool written;
  } cases[] = {
      {"plain \xE2\x82\xAC and \xF0\x9F\x98\x80", true},  // euro sign, an emoji
      {"tab\tline\ncarriage\r", true},
      {"a\x01b", false},        // C0 control
      {"\x1B[0m", false},        // escape
      {"\xEF\xBF\xBE", false},   // U+FFFE
      {"\xEF\xBF\xBF", false},   // U+FFFF
      {"\xC3(", false},          // broken sequence
      {"\xED\xA0\x80", false},   // an encoded surrogate
  };
  for (const auto& c : cases) {
    for (const bool attribute : {false, true}) {
      XmlWriter xml;
      xml.startElement("p");
      bool written = true;
      try {
        if (attribute)
          xml.attribute("a", c.text);
        else
          xml.characters(c.text);
      } catch (const Error&) {
        written = false;
      }
      EXPECT_EQ(written, c.written) << c.text << (attribute ? " (attribute)" : " (text)");
    }
  }
}

}  // namespace
}  // namespace spreadsheet::ods
