#include "spreadsheet/ods/number_style.h"

#include <gtest/gtest.h>


namespace spreadsheet::ods {
namespace {

// The style elements without namespace declarations, for comparison.
std::string styleXml(const std::string& code, bool* written = nullptr) {
  XmlWriter xml;
  xml.startElement("root");
  const bool w = writeNumberStyle(xml, "N1", code);
  if (written) *written = w;
  xml.endElement();
  std::string text = xml.endDocument();
  const std::string open = "<root>";
  const std::string close = "</root>\n";
  if (text.compare(0, open.size(), open) != 0) return {};
  if (text.size() >= open.size() + close.size() &&
      text.compare(text.size() - close.size(), close.size(), close) == 0)
    return text.substr(open.size(), text.size() - open.size() - close.size());
  return {};
}

TEST(OdsNumberStyleTest, TheSheetsFormatsBecomeDataStyles) {
  const struct {
    const char* code;
    const char* xml;
  } cases[] = {
      {"0.00",
       R"(<number:number-style style:name="N1"><number:number number:decimal-places="2" )"
       R"(number:min-decimal-places="2" number:min-integer-digits="1"/></number:number-style>)"},
      {"$#,##0",
       R"(<number:number-style style:name="N1"><number:text>$</number:text><number:number )"
       R"(number:decimal-places="0" number:min-decimal-places="0" number:min-integer-digits="1" )"
       R"(number:grouping="true"/></number:number-style>)"},
      {"h:mm AM/PM",
       R"(<number:time-style style:name="N1"><number:hours/><number:text>:</number:text><number:minutes )"
       R"(number:style="long"/><number:text> </number:text><number:am-pm/></number:time-style>)"},
      // As LibreOffice writes it: the text section is the main style and maps
      // every number to the time; both carry the language of [$-409].
      {"[$-409]h:mm AM/PM;@",
       R"(<number:time-style style:name="N1P0" number:language="en" number:country="US">)"
       R"(<number:hours/><number:text>:</number:text><number:minutes number:style="long"/>)"
       R"(<number:text> </number:text><number:am-pm/></number:time-style>)"
       R"(<number:text-style style:name="N1" number:language="en" number:country="US">)"
       R"(<number:text-content/><style:map style:condition="value()&lt;=1.7976931348623157E+308" )"
       R"(style:apply-style-name="N1P0"/></number:text-style>)"},
      {"m/d/yyyy",
       R"(<number:date-style style:name="N1"><number:month/><number:text>/</number:text><number:day/>)"
       R"(<number:text>/</number:text><number:year number:style="long"/></number:date-style>)"},
  };
  for (const auto& c : cases) EXPECT_EQ(styleXml(c.code), c.xml) << c.code;
}

TEST(OdsNumberStyleTest, SectionsArePickedBySignAndGeneralNeedsNoStyle) {
  bool written = true;
  EXPECT_EQ(styleXml("General", &written), "");
  EXPECT_FALSE(written);
  const std::string accounting = styleXml(R"(_(* #,##0.00_);_(* (#,##0.00);_(* "-"??_);_(@_))");
  // Positive and negative parts, then the zero part as the main style.
  EXPECT_NE(accounting.find(R"(<number:number-style style:name="N1P0">)"), std::string::npos)
      << accounting;
  EXPECT_NE(
      accounting.find(R"(<number:number-style style:name="N1P1"><number:text> (</number:text>)"),
      std::string::npos)
      << accounting;
  EXPECT_NE(accounting.find(
                R"(<style:map style:condition="value()&gt;0" style:apply-style-name="N1P0"/>)"),
            std::string::npos)
      << accounting;
  EXPECT_NE(accounting.find(
                R"(<style:map style:condition="value()&lt;0" style:apply-style-name="N1P1"/>)"),
            std::string::npos)
      << accounting;
  // Zero shows as the application shows it: " -   ", the ?? as spaces.
  EXPECT_NE(accounting.find(R"(<number:text> -   </number:text>)"), std::string::npos)
      << accounting;
}

}  // namespace
}  // namespace spreadsheet::ods
