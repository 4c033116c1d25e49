#pragma once
#include <string>
#include <vector>

#include "generator/sheet_texts.h"

// How the sheet shows times, dates and money, what its lists offer, the week's
// first day and the week-start date. The defaults are the sheet as it always was.
namespace generator {

enum class DateOrder { Mdy, Dmy, DmyDots, Ymd };
enum class WeekStartKind { Example, Empty, Given };

struct SheetOptions {
  bool clock24 = false;
  int timeStep = 15;       // minutes between entries of the start/end list
  int firstTime = 6 * 60;  // minutes after midnight of the list's first entry
  int breakStep = 5;
  int longestBreak = 120;  // minutes: the break list's last entry
  DateOrder dateOrder = DateOrder::Mdy;
  std::string currency = "$";
  bool currencyAfter = false;
  WeekStartKind weekStart = WeekStartKind::Example;
  int weekStartSerial = 0;       // Given: the date as a day number (1900 date system)
  int firstDay = 1;              // 1 = Sunday .. 7 = Saturday
  bool protectFormulas = false;  // lock what the sheet computes, protect without a password
  // Hours a day and a week beyond which a day's hours are overtime, in
  // hundredths of an hour; 0 is no limit. With neither, "Regular" and
  // "Overtime" stay inputs.
  int overtimeDaily = 0;
  int overtimeWeekly = 0;
  int overtimeRate = 150;  // the overtime rate in hundredths of the regular rate
  SheetLanguage language = SheetLanguage::English;  // of every text on the sheet
  bool operator==(const SheetOptions&) const = default;
};

// Number formats of the time cells, the start/end list, the date cells and the rate.
std::string TimeCellFormat(const SheetOptions& o);
std::string TimeListFormat(const SheetOptions& o);
// "d.m.yyyy" as a person reads it; DateFormat is the same with its separators
// escaped, as the number format needs it ("d\.m\.yyyy").
std::string DatePattern(const SheetOptions& o);
std::string DateFormat(const SheetOptions& o);
std::string RateFormat(const SheetOptions& o);
// The pay's accounting layout; the default "$" before keeps the sheet's own
// symbol-less format, any other choice shows its symbol.
std::string PayFormat(const SheetOptions& o);
// "Rate($)", "Total(€)".
std::string MoneyHeading(const SheetOptions& o, const std::string& word);
// What the week-start cell is given: the example date in the chosen order, a
// day number, or nothing.
std::string WeekStartContent(const SheetOptions& o);
// The example week start: the first date from 29 May 2005 on that falls on
// the first day (1 = Sunday .. 7), as a day number.
int ExampleWeekStart(int firstDay);
// 1 = Sunday .. 7 = Saturday for a day number of the 1900 date system (from 1900-03-01).
int WeekdayOf(int serial);
// Days from the sheet's first date to its last.
int WeekEndOffset(int weeks);

// What makes the options unusable together, each as one sentence without a
// full stop ("2026-12-09 is a Wednesday; the week starts on Monday"); empty
// when nothing does. The command line and the dialog refuse such options.
std::vector<std::string> SheetOptionsProblems(const SheetOptions& o);

// What a sheet in a language shows unless the date format, clock or currency
// is chosen: English keeps the sheet's own (m/d/yyyy, 12-hour, $).
struct LanguageDefaults {
  DateOrder dateOrder;
  bool clock24;
  std::string currency;
};
LanguageDefaults LanguageDefaultsOf(SheetLanguage language);

// Entries of the start/end list: from the first time to half an hour short of
// the same time the next day. Each value is whole minutes over 1440, the very
// number a typed time gives, so a listed time passes the list's validation.
int TimeListSize(const SheetOptions& o);
double TimeListValue(const SheetOptions& o, int entry);  // entry 1..size
// Break durations, step .. longest, as texts the sheet reads as times ("12:05:00 AM").
std::vector<std::string> BreakListTexts(const SheetOptions& o);

// Day number of a date in the 1900 date system (1900-03-01 and later);
// 0 when the date does not exist or is earlier.
int DaySerial(int year, int month, int day);
// "2026-03-02" from a day number.
std::string IsoDate(int serial);

}  // namespace generator
