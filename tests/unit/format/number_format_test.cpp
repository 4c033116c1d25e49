#include "spreadsheet/format/number_format.h"

#include <gtest/gtest.h>

#include "spreadsheet/format/format_code.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::format {
namespace {

// The same four values through each code: a positive number, its negative,
// zero and a text.
struct FourWay {
  const char* code;
  const char* positive;
  const char* negative;
  const char* zero;
  const char* text;
};

constexpr double kPositive = 1234.567;

void expectFourWay(const FourWay& c) {
  EXPECT_EQ(displayText(kPositive, c.code), c.positive) << c.code;
  EXPECT_EQ(displayText(-kPositive, c.code), c.negative) << c.code;
  EXPECT_EQ(displayText(0.0, c.code), c.zero) << c.code;
  EXPECT_EQ(displayText("abc", c.code), c.text) << c.code;
}

TEST(FormatValue, BuiltInNumberFormats) {
  const FourWay cases[] = {
      {"General", "1234.567", "-1234.567", "0", "abc"},
      {"", "1234.567", "-1234.567", "0", "abc"},
      {"0", "1235", "-1235", "0", "abc"},
      {"0.00", "1234.57", "-1234.57", "0.00", "abc"},
      {"#,##0", "1,235", "-1,235", "0", "abc"},
      {"#,##0.00", "1,234.57", "-1,234.57", "0.00", "abc"},
      {"0%", "123457%", "-123457%", "0%", "abc"},
      {"0.00%", "123456.70%", "-123456.70%", "0.00%", "abc"},
      {"0.00E+00", "1.23E+03", "-1.23E+03", "0.00E+00", "abc"},
      {"##0.0E+0", "1.2E+3", "-1.2E+3", "0.0E+0", "abc"},
      {"# ?/?", "1234 4/7", "-1234 4/7", "0    ", "abc"},
      {"@", "1234.567", "-1234.567", "0", "abc"},
  };
  for (const auto& c : cases) expectFourWay(c);
}

TEST(FormatValue, BuiltInDateAndTimeFormats) {
  // 1234.567 is 18 May 1903, 13:36:28.8, shown as 13:36:29.
  const FourWay cases[] = {
      {"m/d/yy", "5/18/03", "########", "1/0/00", "abc"},
      {"m/d/yyyy", "5/18/1903", "########", "1/0/1900", "abc"},
      {"d-mmm-yy", "18-May-03", "########", "0-Jan-00", "abc"},
      {"d-mmm", "18-May", "########", "0-Jan", "abc"},
      {"mmm-yy", "May-03", "########", "Jan-00", "abc"},
      {"h:mm AM/PM", "1:36 PM", "########", "12:00 AM", "abc"},
      {"h:mm:ss AM/PM", "1:36:29 PM", "########", "12:00:00 AM", "abc"},
      {"h:mm", "13:36", "########", "0:00", "abc"},
      {"h:mm:ss", "13:36:29", "########", "0:00:00", "abc"},
      {"m/d/yy h:mm", "5/18/03 13:36", "########", "1/0/00 0:00", "abc"},
      {"[h]:mm:ss", "29629:36:29", "########", "0:00:00", "abc"},
      {"mm:ss", "36:29", "########", "00:00", "abc"},
      {"dddd, mmmm d, yyyy", "Monday, May 18, 1903", "########", "Saturday, January 0, 1900",
       "abc"},
  };
  for (const auto& c : cases) expectFourWay(c);
}

TEST(FormatValue, FormatsTheLayoutUses) {
  const FourWay cases[] = {
      {"$#,##0", "$1,235", "-$1,235", "$0", "abc"},
      {"_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"??_);_(@_)", " 1,234.57 ", " (1,234.57)", " -   ",
       " abc "},
      {"[$-409]h:mm AM/PM;@", "1:36 PM", "########", "12:00 AM", "abc"},
      {"hh:mm", "13:36", "########", "00:00", "abc"},
  };
  for (const auto& c : cases) expectFourWay(c);
}

TEST(FormatValue, CurrencyAndAccountingFormats) {
  const FourWay cases[] = {
      {"$#,##0_);($#,##0)", "$1,235 ", "($1,235)", "$0 ", "abc"},
      {"$#,##0.00_);[Red]($#,##0.00)", "$1,234.57 ", "($1,234.57)", "$0.00 ", "abc"},
      {"_(\"$\"* #,##0.00_);_(\"$\"* \\(#,##0.00\\);_(\"$\"* \"-\"??_);_(@_)", " $1,234.57 ",
       " $(1,234.57)", " $-   ", " abc "},
      {"_(* #,##0_);_(* (#,##0);_(* \"-\"_);_(@_)", " 1,235 ", " (1,235)", " - ", " abc "},
      {"[$\xE2\x82\xAC-407]#,##0.00",
       "\xE2\x82\xAC"
       "1,234.57",
       "-\xE2\x82\xAC"
       "1,234.57",
       "\xE2\x82\xAC"
       "0.00",
       "abc"},
      {"#,##0.00 [$USD]", "1,234.57 USD", "-1,234.57 USD", "0.00 USD", "abc"},
      // As the workbook file stores the built-in currency formats.
      {"\"$\"#,##0_);\\(\"$\"#,##0\\)", "$1,235 ", "($1,235)", "$0 ", "abc"},
  };
  for (const auto& c : cases) expectFourWay(c);
}

TEST(FormatValue, ColoursComeFromTheChosenSection) {
  const char* code = "$#,##0.00_);[Red]($#,##0.00)";
  EXPECT_EQ(formatValue(5.0, code).colorIndex, std::nullopt);
  EXPECT_EQ(formatValue(-5.0, code).colorIndex, 3);
  EXPECT_EQ(formatValue(1.0, "[Blue]0;[Magenta]0;[Cyan]0;[Green]@").colorIndex, 5);
  EXPECT_EQ(formatValue(-1.0, "[Blue]0;[Magenta]0;[Cyan]0;[Green]@").colorIndex, 7);
  EXPECT_EQ(formatValue(0.0, "[Blue]0;[Magenta]0;[Cyan]0;[Green]@").colorIndex, 8);
  EXPECT_EQ(formatValue("x", "[Blue]0;[Magenta]0;[Cyan]0;[Green]@").colorIndex, 4);
  EXPECT_EQ(formatValue(1.0, "[Color 10]0").colorIndex, 10);
  EXPECT_EQ(formatValue(1.0, "[COLOR56]0").colorIndex, 56);
  EXPECT_EQ(formatValue(1.0, "[black]0").colorIndex, 1);
  EXPECT_EQ(formatValue(1.0, "[White]0").colorIndex, 2);
  EXPECT_EQ(formatValue(1.0, "[Yellow]0").colorIndex, 6);
  EXPECT_EQ(formatValue("x", "[Red]0").colorIndex, std::nullopt);  // text shows as is
}

TEST(FormatValue, FillRecordsCharacterAndPlace) {
  FormattedValue accounting =
      formatValue(12.0, "_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"??_);_(@_)");
  EXPECT_EQ(accounting.text, " 12.00 ");
  EXPECT_EQ(accounting.fillChar, ' ');
  EXPECT_EQ(accounting.fillPosition, 1u);

  FormattedValue dollars = formatValue(12.0, "_(\"$\"* #,##0.00_)");
  EXPECT_EQ(dollars.text, " $12.00 ");
  EXPECT_EQ(dollars.fillPosition, 2u);

  FormattedValue dots = formatValue(7.0, "0*.");
  EXPECT_EQ(dots.text, "7");
  EXPECT_EQ(dots.fillChar, '.');
  EXPECT_EQ(dots.fillPosition, 1u);

  // The minus sign goes in front, so the fill moves with the text.
  FormattedValue negative = formatValue(-7.0, "*-0");
  EXPECT_EQ(negative.text, "-7");
  EXPECT_EQ(negative.fillPosition, 1u);

  EXPECT_EQ(displayText(12.0, "_(\"$\"* #,##0.00_)"), " $12.00 ");
  EXPECT_EQ(formatValue(1.0, "0.00").fillChar, std::nullopt);
  EXPECT_EQ(formatValue(-1.0, "m/d/yyyy").fillChar, '#');
}

TEST(FormatValue, RoundsHalfAwayFromZeroOnDisplayedDigits) {
  const std::tuple<double, const char*, const char*> cases[] = {
      {2.675, "0.00", "2.68"},
      {-2.675, "0.00", "-2.68"},
      {1.005, "0.00", "1.01"},
      {0.125, "0.00", "0.13"},
      {0.5, "0", "1"},
      {-0.5, "0", "-1"},
      {2.5, "0", "3"},
      {999.5, "#,##0", "1,000"},
      {9.995, "0.00", "10.00"},
      {0.045, "0.0%", "4.5%"},
      {0.0005, "0.0%", "0.1%"},
      {-0.001, "0.00", "-0.00"},
      {9.999, "0.00E+00", "1.00E+01"},
      {0.000123, "0.00E+00", "1.23E-04"},
      {0.1 + 0.2, "0.000000000000000000", "0.300000000000000000"},
  };
  for (auto [v, code, expected] : cases)
    EXPECT_EQ(displayText(v, code), expected) << v << " " << code;
}

TEST(FormatValue, DigitPlaceholdersSeparatorsAndScaling) {
  const std::tuple<double, const char*, const char*> cases[] = {
      {1234567.891, "#,##0", "1,234,568"},
      {5, "0,000", "0,005"},
      {1234567, "#,##0,", "1,235"},
      {1234567, "0.0,,", "1.2"},
      {123456789, "000-00-0000", "123-45-6789"},
      {1, "#.##", "1."},
      {1.5, "0.0#", "1.5"},
      {1.25, "0.0#", "1.25"},
      {0, "#", ""},
      {0.5, "#.00", ".50"},
      {1.5, ".00", "1.50"},
      {5, "00000", "00005"},
      {1.5, "??.??", " 1.5 "},
      {12, "0 \"units\"", "12 units"},
      {12, "\\$0", "$12"},
      {12, "0\\ \\k\\g", "12 kg"},
      {-12, "0;(0)", "(12)"},
      {3, "\"abc\"", "abc"},
      {-3, "[Red]General", "-3"},
      {0.25, "General\" h\"", "0.25 h"},
      {12345678, "#,##0.00", "12,345,678.00"},
      {1e15, "#,##0", "1,000,000,000,000,000"},
      {1e10, "0E+0", "1E+10"},
      {1234.5, "0.00E-00", "1.23E03"},
      {0.0123, "0.0e-0", "1.2e-2"},
      {12345, "00.00E+00", "12.35E+03"},
      {0.00001234, "##0.0E+0", "12.3E-6"},
  };
  for (auto [v, code, expected] : cases)
    EXPECT_EQ(displayText(v, code), expected) << v << " " << code;
}

TEST(FormatValue, Fractions) {
  const std::tuple<double, const char*, const char*> cases[] = {
      {0.5, "# ?/?", " 1/2"},          {1.5, "# ?/?", "1 1/2"},
      {2, "# ?/?", "2    "},           {1.5, "?/?", "3/2"},
      {0.3333, "# ?\?/?\?", "  1/3 "}, {1.5, "# ?\?/16", "1  8/16"},
      {0.999, "# ?/?", "1    "},       {3.14159, "# ?\?\?/?\?\?", "3  16/113"},
  };
  for (auto [v, code, expected] : cases)
    EXPECT_EQ(displayText(v, code), expected) << v << " " << code;
}

TEST(FormatValue, SectionsAndConditions) {
  const char* sized = "[>100]\"big\";[<=-5]\"small\";\"mid\"";
  EXPECT_EQ(displayText(150.0, sized), "big");
  EXPECT_EQ(displayText(-7.0, sized), "small");
  EXPECT_EQ(displayText(0.0, sized), "mid");
  EXPECT_EQ(displayText(50.0, sized), "mid");

  // A conditional second section meant for negatives drops the sign; another keeps it.
  EXPECT_EQ(displayText(-7.0, "[>=0]0;[<0]0.0"), "7.0");
  EXPECT_EQ(displayText(-7.0, "[>100]0;0.0"), "-7.0");
  EXPECT_EQ(formatValue(150.0, "[Red][<=100]0;[Blue][>100]0").colorIndex, 5);
  EXPECT_EQ(formatValue(50.0, "[Red][<=100]0;[Blue][>100]0").colorIndex, 3);

  // Two sections: zero goes to the first; three: zero has its own.
  EXPECT_EQ(displayText(0.0, "0.0;(0.0)"), "0.0");
  EXPECT_EQ(displayText(0.0, "0.0;(0.0);\"nil\""), "nil");
  EXPECT_EQ(displayText(-0.001, "0.0;(0.0);\"nil\""), "(0.0)");
  EXPECT_EQ(displayText(5.0, ";;;"), "");
  EXPECT_EQ(displayText("x", ";;;"), "");
  EXPECT_EQ(displayText("x", "0;-0;0;\"Text: \"@"), "Text: x");
  EXPECT_EQ(displayText("x", "0;-0;0;\"n/a\""), "n/a");
  EXPECT_EQ(displayText("5", "@\" kg\""), "5 kg");
  EXPECT_EQ(displayText("x", "0.00;(0.00)"), "x");
}

TEST(FormatValue, EveryKindOfValue) {
  for (const char* code :
       {"General", "0.00", "m/d/yyyy", "@", "_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"??_);_(@_)"}) {
    EXPECT_EQ(displayText(CellValue(), code), "") << code;
    EXPECT_EQ(displayText(true, code), "TRUE") << code;
    EXPECT_EQ(displayText(false, code), "FALSE") << code;
    EXPECT_EQ(displayText(ErrorCode::NA, code), "#N/A") << code;
    EXPECT_EQ(displayText(ErrorCode::Div0, code), "#DIV/0!") << code;
  }
  EXPECT_EQ(displayText("Other\nBreaks", "General"), "Other\nBreaks");
  EXPECT_EQ(displayText(" ", "0.00"), " ");
}

TEST(FormatValue, GeneralNumbers) {
  const std::pair<double, const char*> cases[] = {
      {0.25, "0.25"},
      {-3, "-3"},
      {0.260416666666667, "0.260416666666667"},
      {12345678901.0, "12345678901"},
      {1e11, "1E+11"},
      {123456789012.0, "1.23457E+11"},
      {-123456789012.0, "-1.23457E+11"},
      {1e-10, "1E-10"},
      {1.5e-10, "1.5E-10"},
      {1e-9, "0.000000001"},
      {0.00001, "0.00001"},
      {-0.000123, "-0.000123"},
      {99999999999.0, "99999999999"},
      {0.1 + 0.2, "0.3"},
      {1234.5, "1234.5"},
      {1e300, "1E+300"},
  };
  for (auto [v, expected] : cases) EXPECT_EQ(displayText(v, "General"), expected) << v;
}

TEST(FormatValue, MalformedCodesShowGeneral) {
  for (const char* bad : {"\"abc", "[Bogus]0", "0;0;0;0;0", "[Red", "[Color 57]0", "[<abc]0"}) {
    EXPECT_THROW(parseFormatCode(bad), Error) << bad;
    EXPECT_EQ(displayText(0.25, bad), "0.25") << bad;
  }
  EXPECT_NO_THROW(parseFormatCode("_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"??_);_(@_)"));
  EXPECT_NO_THROW(parseFormatCode("[$-409]h:mm AM/PM;@"));
  EXPECT_NO_THROW(parseFormatCode("0\\;0;\";\""));
  EXPECT_EQ(parseFormatCode("0\\;0;\";\"").sections.size(), 2u);
}

}  // namespace
}  // namespace spreadsheet::format
