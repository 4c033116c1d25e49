#pragma once
#include <optional>

namespace spreadsheet::format {

// A calendar day of the 1900 date system. Day 0 is "January 0, 1900" and
// day 60 is the 29 February 1900 that the system counts although it never
// existed; from day 61 on the serials match the real calendar.
struct CivilDate {
  int year;
  int month;    // 1..12
  int day;      // 0..31
  int weekday;  // 0 = Sunday
};

inline constexpr long kLastSerialDay = 2958465;  // 31 December 9999

// The date of a whole serial day 0..kLastSerialDay.
CivilDate dateOfSerial(long serialDay);

// The serial day of a date, or nullopt when the date does not exist or lies
// outside 1 January 1900 to 31 December 9999 (29 February 1900 gives 60).
std::optional<long> serialOfDate(int year, int month, int day);

}  // namespace spreadsheet::format
