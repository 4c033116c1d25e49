#include "spreadsheet/format/date_serial.h"

namespace spreadsheet::format {

namespace {

bool leap(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && leap(y) ? 29 : days[m - 1];
}

// Days from 1 January of year 1 to 1 January of year y.
long daysBeforeYear(int y) {
  long p = y - 1;
  return 365 * p + p / 4 - p / 100 + p / 400;
}

long daysBeforeMonth(int y, int m) {
  long n = 0;
  for (int k = 1; k < m; ++k) n += daysInMonth(y, k);
  return n;
}

// Real calendar day count of a date, 1 January 1900 being day 1.
long realDay(int y, int m, int d) {
  return daysBeforeYear(y) - daysBeforeYear(1900) + daysBeforeMonth(y, m) + d;
}

CivilDate dateOfRealDay(long n) {
  int year = 1900 + static_cast<int>(static_cast<double>(n - 1) / 365.2425);
  while (realDay(year, 1, 1) > n) --year;
  while (realDay(year + 1, 1, 1) <= n) ++year;
  long rest = n - realDay(year, 1, 1);  // 0-based day of the year
  int month = 1;
  while (rest >= daysInMonth(year, month)) rest -= daysInMonth(year, month++);
  return CivilDate{year, month, static_cast<int>(rest) + 1, 0};
}

}  // namespace

CivilDate dateOfSerial(long serialDay) {
  CivilDate c{};
  if (serialDay == 0) {
    c = CivilDate{1900, 1, 0, 0};
  } else if (serialDay == 60) {
    c = CivilDate{1900, 2, 29, 0};
  } else {
    c = dateOfRealDay(serialDay < 60 ? serialDay : serialDay - 1);
  }
  // Serial 1 is a Sunday in this system, so weekdays before March 1900 are
  // one off the real calendar, as the application shows them.
  c.weekday = static_cast<int>((serialDay + 6) % 7);
  return c;
}

std::optional<long> serialOfDate(int year, int month, int day) {
  if (year < 1900 || year > 9999 || month < 1 || month > 12 || day < 1) return std::nullopt;
  if (year == 1900 && month == 2 && day == 29) return 60;
  if (day > daysInMonth(year, month)) return std::nullopt;
  long serial = realDay(year, month, day);
  return serial < 60 ? serial : serial + 1;
}

}  // namespace spreadsheet::format
