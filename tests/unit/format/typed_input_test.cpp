#include "spreadsheet/format/typed_input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "spreadsheet/format/number_format.h"

namespace spreadsheet::format {
namespace {

struct Typed {
  const char* input;
  CellValue value;
  std::optional<std::string> format;
};

void expectTyped(const Typed& c) {
  TypedInput got = recognizeTypedInput(c.input);
  if (c.value.isNumber() && got.value.isNumber())
    EXPECT_NEAR(got.value.number(), c.value.number(), 1e-12) << '"' << c.input << '"';
  else
    EXPECT_EQ(got.value, c.value) << '"' << c.input << '"';
  EXPECT_EQ(got.numberFormat, c.format) << '"' << c.input << '"';
}

TEST(RecognizeTypedInput, Numbers) {
  const Typed cases[] = {
      {"0.25", 0.25, std::nullopt},
      {"0.260416666666667", 0.260416666666667, std::nullopt},
      {"1.00000000000002", 1.00000000000002, std::nullopt},
      {"-3", -3.0, std::nullopt},
      {"+7", 7.0, std::nullopt},
      {".5", 0.5, std::nullopt},
      {"5.", 5.0, std::nullopt},
      {"007", 7.0, std::nullopt},
      {"  5 ", 5.0, std::nullopt},
      {"(5)", -5.0, std::nullopt},
      {"1E3", 1000.0, "0.00E+00"},
      {"2.5e-3", 0.0025, "0.00E+00"},
      {"1,234", 1234.0, "#,##0"},
      {"1,234,567.5", 1234567.5, "#,##0.00"},
      {"$5", 5.0, "$#,##0_);($#,##0)"},
      {"-$5.25", -5.25, "$#,##0.00_);($#,##0.00)"},
      {"($1,000)", -1000.0, "$#,##0_);($#,##0)"},
      {"50%", 0.5, "0%"},
      {"12.5%", 0.125, "0.00%"},
      {"-0", 0.0, std::nullopt},
      {"1 1/2", 1.5, "# ?/?"},
      {"-0 3/16", -0.1875, "# ?\?/?\?"},
  };
  for (const auto& c : cases) expectTyped(c);
  // Typed digits beyond the fifteenth are dropped, not rounded.
  EXPECT_EQ(recognizeTypedInput("1234567890123456789").value, CellValue(1234567890123450000.0));
  // The decimal text of a value reads back as the same double.
  EXPECT_EQ(recognizeTypedInput("0.260416666666667").value.number(), 0.260416666666667);
}

TEST(RecognizeTypedInput, DatesAndTimes) {
  const Typed cases[] = {
      {"5/29/2005", 38501.0, "m/d/yyyy"},
      {"6/4/2005", 38507.0, "m/d/yyyy"},
      {"05/29/05", 38501.0, "m/d/yyyy"},
      {"5-29-2005", 38501.0, "m/d/yyyy"},
      {"2005-05-29", 38501.0, "m/d/yyyy"},
      {"2/29/1900", 60.0, "m/d/yyyy"},
      {"3/1/1900", 61.0, "m/d/yyyy"},
      {"1/1/1900", 1.0, "m/d/yyyy"},
      {"12/31/9999", 2958465.0, "m/d/yyyy"},
      {"1/1/30", 10959.0, "m/d/yyyy"},
      {"29-May-2005", 38501.0, "d-mmm-yy"},
      {"29-may-05", 38501.0, "d-mmm-yy"},
      {"May 29, 2005", 38501.0, "d-mmm-yy"},
      {"12:05:00 AM", 5.0 / 1440, "h:mm:ss AM/PM"},
      {"1:00:00 AM", 1.0 / 24, "h:mm:ss AM/PM"},
      {"2:00:00 AM", 2.0 / 24, "h:mm:ss AM/PM"},
      {"12:00:00 PM", 0.5, "h:mm:ss AM/PM"},
      {"7:10 AM", (7 * 60 + 10) / 1440.0, "h:mm AM/PM"},
      {"7:10pm", (19 * 60 + 10) / 1440.0, "h:mm AM/PM"},
      {"7 PM", 19.0 / 24, "h:mm AM/PM"},
      {"17:00", 17.0 / 24, "h:mm"},
      {"8:00:00", 8.0 / 24, "h:mm:ss"},
      {"25:30", 25.5 / 24, "[h]:mm:ss"},
      {"5/29/2005 8:00", 38501 + 8.0 / 24, "m/d/yyyy h:mm"},
      {"5/29/2005 8:00 PM", 38501 + 20.0 / 24, "m/d/yyyy h:mm"},
  };
  for (const auto& c : cases) expectTyped(c);
}

TEST(RecognizeTypedInput, TruthValuesErrorsAndText) {
  const Typed cases[] = {
      {"TRUE", true, std::nullopt},
      {"false", false, std::nullopt},
      {"#N/A", ErrorCode::NA, std::nullopt},
      {"#div/0!", ErrorCode::Div0, std::nullopt},
      {"[Company Name]", "[Company Name]", std::nullopt},
      {"Total", "Total", std::nullopt},
      {" ", " ", std::nullopt},
      {"Other\nBreaks", "Other\nBreaks", std::nullopt},
      {"5/29/2005x", "5/29/2005x", std::nullopt},
      {"Rate($)", "Rate($)", std::nullopt},
      // Not dates or times: impossible days, a missing year, out-of-range parts.
      {"2/29/2005", "2/29/2005", std::nullopt},
      {"13/1/2005", "13/1/2005", std::nullopt},
      {"5/29", "5/29", std::nullopt},
      {"1-2", "1-2", std::nullopt},
      {"12/31/1899", "12/31/1899", std::nullopt},
      {"7:60", "7:60", std::nullopt},
      {"13:00 PM", "13:00 PM", std::nullopt},
      {"7:", "7:", std::nullopt},
      // Not numbers: misplaced separators and signs, overflow.
      {"1,23", "1,23", std::nullopt},
      {"1,234e3", "1,234e3", std::nullopt},
      {"--5", "--5", std::nullopt},
      {"-(5)", "-(5)", std::nullopt},
      {"$", "$", std::nullopt},
      {".", ".", std::nullopt},
      {"5 5", "5 5", std::nullopt},
      {"1e999", "1e999", std::nullopt},
      {"$5%", "$5%", std::nullopt},
      {"1 1/0", "1 1/0", std::nullopt},
      {"1 1/2x", "1 1/2x", std::nullopt},
  };
  for (const auto& c : cases) expectTyped(c);
  EXPECT_TRUE(recognizeTypedInput("").value.isEmpty());
}

// The start/end list of the time sheet: decimal texts stepping by a rounded
// quarter hour, shown as times of day; the ones past midnight are above 1.
TEST(RecognizeTypedInput, QuarterHourListShowsTimesOfDay) {
  for (int i = 1; i <= 95; ++i) {
    double step = 0.25 + (i - 1) * 0.010416666666667;
    TypedInput typed = recognizeTypedInput(numberToText(step));
    ASSERT_TRUE(typed.value.isNumber()) << i;
    int minutes = (360 + 15 * (i - 1)) % 1440;
    int h12 = minutes / 60 % 12 == 0 ? 12 : minutes / 60 % 12;
    std::string expected = std::to_string(h12) + ":" + (minutes % 60 < 10 ? "0" : "") +
                           std::to_string(minutes % 60) + (minutes < 720 ? " AM" : " PM");
    EXPECT_EQ(displayText(typed.value, "h:mm AM/PM"), expected) << i;
    EXPECT_EQ(displayText(typed.value, "[$-409]h:mm AM/PM;@"), expected) << i;
  }
  EXPECT_EQ(numberToText(0.25 + 72 * 0.010416666666667), "1.00000000000002");
}

TEST(RecognizeTypedInput, BreakListShowsDurations) {
  const char* texts[] = {"12:05:00 AM", "12:30:00 AM", "12:55:00 AM",
                         "1:00:00 AM",  "1:35:00 AM",  "2:00:00 AM"};
  const char* shown[] = {"0:05", "0:30", "0:55", "1:00", "1:35", "2:00"};
  const char* padded[] = {"00:05", "00:30", "00:55", "01:00", "01:35", "02:00"};
  for (int k = 0; k < 6; ++k) {
    CellValue v = recognizeTypedInput(texts[k]).value;
    EXPECT_EQ(displayText(v, "h:mm"), shown[k]) << texts[k];
    EXPECT_EQ(displayText(v, "hh:mm"), padded[k]) << texts[k];
    EXPECT_EQ(displayText(v, "h:mm:ss AM/PM"), texts[k]);
  }
}

}  // namespace
}  // namespace spreadsheet::format
