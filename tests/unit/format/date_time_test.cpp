#include <gtest/gtest.h>

#include "spreadsheet/format/date_serial.h"
#include "spreadsheet/format/number_format.h"

namespace spreadsheet::format {
namespace {

TEST(DateSerial, EveryDayReadsBackToItsSerial) {
  // Every day of the first three centuries, then a sample up to the last day.
  for (long serial = 1; serial <= kLastSerialDay; serial += serial < 110000 ? 1 : 97) {
    CivilDate d = dateOfSerial(serial);
    auto back = serialOfDate(d.year, d.month, d.day);
    ASSERT_TRUE(back.has_value()) << serial;
    ASSERT_EQ(*back, serial) << d.year << "-" << d.month << "-" << d.day;
  }
}

TEST(DateSerial, KnownDaysOfThe1900System) {
  const std::tuple<double, const char*> cases[] = {
      {0, "Sat 1/0/1900"},         {1, "Sun 1/1/1900"},     {59, "Tue 2/28/1900"},
      {60, "Wed 2/29/1900"},       {61, "Thu 3/1/1900"},    {366, "Mon 12/31/1900"},
      {38501, "Sun 5/29/2005"},    {38507, "Sat 6/4/2005"}, {36585, "Tue 2/29/2000"},
      {2958465, "Fri 12/31/9999"},
  };
  for (auto [serial, expected] : cases)
    EXPECT_EQ(displayText(serial, "ddd m/d/yyyy"), expected) << serial;
  EXPECT_EQ(displayText(2958466.0, "m/d/yyyy"), "########");
  EXPECT_EQ(displayText(-1.0, "m/d/yyyy"), "########");
  EXPECT_EQ(displayText(-0.25, "h:mm"), "########");
  EXPECT_EQ(displayText(38501.0, "mmmmm mmm mmmm dd yy"), "M May May 29 05");
}

TEST(TimeFormats, RoundToTheShownSecondBeforeSplitting) {
  const double second = 1.0 / 86400;
  const std::tuple<double, const char*, const char*> cases[] = {
      {86399.6 * second, "h:mm:ss", "0:00:00"},
      {38501 + 86399.6 * second, "m/d/yyyy h:mm:ss", "5/30/2005 0:00:00"},
      {86399.4 * second, "h:mm:ss", "23:59:59"},
      {(8 * 3600 + 29 * 60 + 45) * second, "h:mm", "8:29"},
      {0.5 + 1.234 * second, "h:mm:ss.00", "12:00:01.23"},
      {0.5 + 1.2349 * second, "[h]:mm:ss.000", "12:00:01.235"},
      {1.5 / 24, "[mm]:ss", "90:00"},
      {1.5, "[h]:mm", "36:00"},
      {1.00000000000002, "h:mm AM/PM", "12:00 AM"},
      {1.25, "h:mm AM/PM", "6:00 AM"},
      {0.5, "h:mm AM/PM", "12:00 PM"},
      {0.75, "h:mm am/pm", "6:00 PM"},
      {0.75, "h:mm A/P", "6:00 P"},
      {0.25, "h:mm a/p", "6:00 a"},
      {0.25, "hh:mm AM/PM", "06:00 AM"},
      {0.302083333333335, "h:mm AM/PM", "7:15 AM"},
      {38501 + 8.0 / 24, "m/d/yyyy h:mm", "5/29/2005 8:00"},
      {9.0, "0.00", "9.00"},
  };
  for (auto [v, code, expected] : cases)
    EXPECT_EQ(displayText(v, code), expected) << v << " " << code;
}

}  // namespace
}  // namespace spreadsheet::format
