#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "spreadsheet/format/number_format.h"
#include "spreadsheet/format/typed_input.h"

namespace spreadsheet::format {
namespace {

// What a date or time format shows must read back, when typed, as the same value.
TEST(TypedRoundTrip, ShownDatesAndTimesReadBack) {
  for (long serial = 1; serial <= 2958465; serial += 331) {
    std::string shown = displayText(static_cast<double>(serial), "m/d/yyyy");
    TypedInput typed = recognizeTypedInput(shown);
    EXPECT_EQ(typed.value, CellValue(static_cast<double>(serial))) << shown;
    EXPECT_EQ(typed.numberFormat, "m/d/yyyy") << shown;
  }
  for (int minute = 0; minute < 1440; ++minute) {
    double v = minute / 1440.0;
    for (const char* code : {"h:mm AM/PM", "h:mm", "h:mm:ss AM/PM"}) {
      std::string shown = displayText(v, code);
      TypedInput typed = recognizeTypedInput(shown);
      ASSERT_TRUE(typed.value.isNumber()) << shown;
      EXPECT_NEAR(typed.value.number(), v, 1e-12) << shown;
      EXPECT_EQ(typed.numberFormat, code) << shown;
    }
  }
}

TEST(TypedRoundTrip, ShownNumbersReadBack) {
  const std::pair<double, const char*> cases[] = {
      {1234.5, "#,##0.00"},
      {-0.125, "0.00%"},
      {1234567, "#,##0"},
      {0.05, "0%"},
      {12.5, "$#,##0.00_);($#,##0.00)"},
      {-12, "$#,##0_);($#,##0)"},
      {1500, "0.00E+00"},
      {-2.75, "# ?/?"},
  };
  for (auto [v, code] : cases) {
    std::string shown = displayText(v, code);
    TypedInput typed = recognizeTypedInput(shown);
    ASSERT_TRUE(typed.value.isNumber()) << shown;
    EXPECT_DOUBLE_EQ(typed.value.number(), v) << shown;
    EXPECT_EQ(typed.numberFormat, code) << shown;
  }
}

// Arbitrary codes and texts must never crash or throw: a bad code shows
// General and anything unrecognized is text.
TEST(Robustness, ArbitraryCodesAndTexts) {
  const std::string alphabet = "0#?.,%E+-/ @\"\\_*[]<>=;$hmsdyAMP:General 1234()!";
  std::mt19937 rng(12345);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 14);
  const CellValue values[] = {0.0,     -1.5,          1234.5678,       1e300,
                              -1e-300, 38501.75,      2958465.9999999, "text",
                              true,    ErrorCode::Ref};
  for (int n = 0; n < 4000; ++n) {
    std::string code;
    for (int k = length(rng); k > 0; --k) code += alphabet[pick(rng)];
    for (const CellValue& v : values) EXPECT_NO_THROW(formatValue(v, code)) << code;
    TypedInput typed;
    EXPECT_NO_THROW(typed = recognizeTypedInput(code)) << code;
    if (typed.value.isText()) {
      EXPECT_EQ(typed.value.text(), code);
    }
  }
}

}  // namespace
}  // namespace spreadsheet::format
