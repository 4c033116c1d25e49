#include "generator/sheet_options.h"

#include <cstdio>
#include <string_view>

namespace generator {

namespace {

constexpr int kDayMinutes = 24 * 60;
constexpr int kListShortOfDay = 30;    // the list ends this many minutes before a full day
constexpr int kExampleSerial = 38501;  // 29 May 2005, a Sunday
constexpr std::string_view kEnglishDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                 "Thursday", "Friday", "Saturday"};

// Days since 0000-03-01 of the proleptic Gregorian calendar.
int daysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const int era = y / 400;
  const int yoe = y - era * 400;
  const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy;
}

int daysInMonth(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return m == 2 && leap ? 29 : kDays[m - 1];
}

// The serial of 1900-03-01 is 61: the 1900 system counts a 29 February 1900.
const int kSerialBase = daysFromCivil(1900, 3, 1) - 61;

}  // namespace

std::string TimeCellFormat(const SheetOptions& o) {
  return o.clock24 ? "hh:mm" : "[$-409]h:mm AM/PM;@";
}

std::string TimeListFormat(const SheetOptions& o) {
  return o.clock24 ? "hh:mm" : "h:mm AM/PM";
}

std::string DatePattern(const SheetOptions& o) {
  switch (o.dateOrder) {
    case DateOrder::Dmy:
      return "d/m/yyyy";
    case DateOrder::DmyDots:
      return "d.m.yyyy";
    case DateOrder::Ymd:
      return "yyyy-mm-dd";
    case DateOrder::Mdy:
      break;
  }
  return "m/d/yyyy";
}

// Separators are escaped: an unescaped dot is a decimal point to some readers,
// and an unescaped slash the reader's own date separator.
std::string DateFormat(const SheetOptions& o) {
  std::string format;
  for (const char ch : DatePattern(o)) {
    if (ch != 'd' && ch != 'm' && ch != 'y') format += '\\';
    format += ch;
  }
  return format;
}

std::string RateFormat(const SheetOptions& o) {
  if (o.currency == "$" && !o.currencyAfter) return "$#,##0.00";
  const std::string symbol = "\"" + o.currency + "\"";
  return o.currencyAfter ? "#,##0.00\\ " + symbol : symbol + "\\ #,##0.00";
}

std::string PayFormat(const SheetOptions& o) {
  if (o.currency == "$" && !o.currencyAfter)
    return "_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"??_);_(@_)";
  const std::string symbol = "\"" + o.currency + "\"";
  if (o.currencyAfter)
    return "_(* #,##0.00\\ " + symbol + "_);_(* (#,##0.00)\\ " + symbol + ";_(* \"-\"??\\ " +
           symbol + "_);_(@_)";
  return "_(" + symbol + "* #,##0.00_);_(" + symbol + "* (#,##0.00);_(" + symbol +
         "* \"-\"??_);_(@_)";
}

std::string MoneyHeading(const SheetOptions& o, const std::string& word) {
  return word + "(" + o.currency + ")";
}

std::string WeekStartContent(const SheetOptions& o) {
  switch (o.weekStart) {
    case WeekStartKind::Empty:
      return "";
    case WeekStartKind::Given:
      return std::to_string(o.weekStartSerial);
    case WeekStartKind::Example:
      break;
  }
  // Typed as text, as the sheet always had it; another order gets the number.
  const int serial = ExampleWeekStart(o.firstDay);
  if (o.dateOrder != DateOrder::Mdy) return std::to_string(serial);
  const std::string iso = IsoDate(serial);  // "2005-05-29" -> "5/29/2005"
  return std::to_string(std::stoi(iso.substr(5, 2))) + "/" +
         std::to_string(std::stoi(iso.substr(8, 2))) + "/" + iso.substr(0, 4);
}

int ExampleWeekStart(int firstDay) {
  return kExampleSerial + (firstDay - WeekdayOf(kExampleSerial) + 7) % 7;
}

int WeekdayOf(int serial) {
  return (serial - 1) % 7 + 1;  // serial 1 is a Sunday in the 1900 date system
}

int WeekEndOffset(int weeks) {
  return 7 * weeks - 1;
}

std::vector<std::string> SheetOptionsProblems(const SheetOptions& o) {
  std::vector<std::string> problems;
  if (o.weekStart == WeekStartKind::Given && WeekdayOf(o.weekStartSerial) != o.firstDay)
    problems.push_back(IsoDate(o.weekStartSerial) + " is a " +
                       std::string(kEnglishDayNames[WeekdayOf(o.weekStartSerial) - 1]) +
                       "; the week starts on " + std::string(kEnglishDayNames[o.firstDay - 1]));
  if (o.breakStep > 0 && o.longestBreak % o.breakStep != 0)
    problems.push_back("the longest break " + std::to_string(o.longestBreak / 60) + ":" +
                       (o.longestBreak % 60 < 10 ? "0" : "") + std::to_string(o.longestBreak % 60) +
                       " is not a multiple of the break step of " + std::to_string(o.breakStep) +
                       " minutes");
  return problems;
}

LanguageDefaults LanguageDefaultsOf(SheetLanguage language) {
  if (language == SheetLanguage::English) return {DateOrder::Mdy, false, "$"};
  if (language == SheetLanguage::German) return {DateOrder::DmyDots, true, "\u20ac"};
  return {DateOrder::Dmy, true, "\u20ac"};
}

int TimeListSize(const SheetOptions& o) {
  return (kDayMinutes - kListShortOfDay) / o.timeStep + 1;
}

double TimeListValue(const SheetOptions& o, int entry) {
  const int minutes = (o.firstTime + o.timeStep * (entry - 1)) % kDayMinutes;
  return minutes / double(kDayMinutes);
}

std::vector<std::string> BreakListTexts(const SheetOptions& o) {
  std::vector<std::string> texts;
  for (int m = o.breakStep; m <= o.longestBreak; m += o.breakStep) {
    const int hour = m / 60 % 12;
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d:00 %s", hour == 0 ? 12 : hour, m % 60,
                  m < 12 * 60 ? "AM" : "PM");
    texts.emplace_back(text);
  }
  return texts;
}

int DaySerial(int year, int month, int day) {
  if (year < 1900 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > daysInMonth(year, month) || (year == 1900 && month < 3))
    return 0;
  return daysFromCivil(year, month, day) - kSerialBase;
}

std::string IsoDate(int serial) {
  // civil_from_days, the inverse of daysFromCivil.
  const int z = serial + kSerialBase;
  const int era = z / 146097;
  const int doe = z - era * 146097;
  const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int mp = (5 * doy + 2) / 153;
  const int d = doy - (153 * mp + 2) / 5 + 1;
  const int m = mp + (mp < 10 ? 3 : -9);
  const int y = yoe + era * 400 + (m <= 2);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
  return text;
}

}  // namespace generator
