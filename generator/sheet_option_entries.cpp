#include "generator/sheet_option_entries.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

#include "generator/overtime_rule.h"
#include "generator/sheet_options.h"
#include "spreadsheet/model/utf8.h"

namespace generator {

namespace {

std::optional<int> wholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

bool allDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "6:00", "17:30": minutes after midnight, 0:00 to 23:59; one or two digits of
// hours, two of minutes, no sign.
std::optional<int> clockTime(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon == 0 || colon > 2 || text.size() != colon + 3)
    return std::nullopt;
  const std::string_view hours = text.substr(0, colon), minutes = text.substr(colon + 1);
  if (!allDigits(hours) || !allDigits(minutes)) return std::nullopt;
  const int h = *wholeNumber(hours), m = *wholeNumber(minutes);
  if (h > 23 || m > 59) return std::nullopt;
  return h * 60 + m;
}

std::string clockText(int minutes) {
  const int m = minutes % 60;
  return std::to_string(minutes / 60) + (m < 10 ? ":0" : ":") + std::to_string(m);
}

// The text's number when it is one of `allowed`.
std::optional<int> oneOf(std::string_view text, std::initializer_list<int> allowed) {
  const auto value = wholeNumber(text);
  if (!value || std::find(allowed.begin(), allowed.end(), *value) == allowed.end())
    return std::nullopt;
  return value;
}

constexpr std::array<std::string_view, 4> kDateWords{"mdy", "dmy", "dmy-dots", "ymd"};
// "sun" .. "sat", the words of --days.
constexpr std::array<std::string_view, kDayCount> kDayWords = [] {
  std::array<std::string_view, kDayCount> words{};
  for (std::size_t d = 0; d < words.size(); ++d) words[d] = kDayItems[d].word;
  return words;
}();

template <std::size_t N>
std::optional<int> wordIndex(const std::array<std::string_view, N>& words, std::string_view text) {
  const auto it = std::find(words.begin(), words.end(), text);
  if (it == words.end()) return std::nullopt;
  return int(it - words.begin());
}

// A symbol goes into number formats between quotes and into the JSON summary,
// so it also goes without quotes and backslashes.
bool acceptableSymbol(std::string_view text) {
  return FitsEveryFormat(text, 12) && text.find_first_of("\"\\") == std::string_view::npos;
}

// "2026-03-02": the date's day number, 0 when it is no such date.
int isoDateSerial(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return 0;
  const std::string_view y = text.substr(0, 4), m = text.substr(5, 2), d = text.substr(8, 2);
  if (!allDigits(y) || !allDigits(m) || !allDigits(d)) return 0;
  return DaySerial(*wholeNumber(y), *wholeNumber(m), *wholeNumber(d));
}

// The last week start whose every date, four weeks of them, a workbook can hold
// (its last day is 9999-12-31); later starts would print as ####. Computed when
// asked: DaySerial's own constants are set up with the other globals.
int lastWeekStart() {
  return DaySerial(9999, 12, 31) - (kWeekRange.high * kDayCount - 1);
}

constexpr int kLongestBreakLimit = 8 * 60;

const OptionEntry kSheetOptions[] = {
    {.kind = OptionKind::Sheet,
     .flag = "--clock",
     .valueName = "12|24",
     .help = "12-hour clock with AM/PM or 24-hour clock (default 12; 24 for\n"
             "--language de, fr or es)",
     .jsonName = "clock",
     .key = "Clock",
     .read =
         [](std::string_view t, SheetOptions& o) {
           const auto v = oneOf(t, {12, 24});
           if (v) o.clock24 = *v == 24;
           return bool(v);
         },
     .word = [](const SheetOptions& o) { return std::string(o.clock24 ? "24" : "12"); },
     .accepts = "one of 12, 24"},
    {.kind = OptionKind::Sheet,
     .flag = "--time-step",
     .valueName = "MINUTES",
     .help = "minutes between the start/end list's times: 5, 10, 15, 20, 30\nor 60 (default 15)",
     .jsonName = "time-step",
     .key = "TimeStep",
     .read =
         [](std::string_view t, SheetOptions& o) {
           const auto v = oneOf(t, {5, 10, 15, 20, 30, 60});
           if (v) o.timeStep = *v;
           return bool(v);
         },
     .word = [](const SheetOptions& o) { return std::to_string(o.timeStep); },
     .accepts = "one of 5, 10, 15, 20, 30, 60"},
    {.kind = OptionKind::Sheet,
     .flag = "--first-time",
     .valueName = "H:MM",
     .help = "the start/end list's first time, 0:00 to 23:59 (default 6:00);\n"
             "the list runs to half an hour short of it the next day",
     .jsonName = "first-time",
     .key = "FirstTime",
     .read =
         [](std::string_view t, SheetOptions& o) {
           const auto v = clockTime(t);
           if (v) o.firstTime = *v;
           return bool(v);
         },
     .word = [](const SheetOptions& o) { return clockText(o.firstTime); },
     .accepts = "a time H:MM from 0:00 to 23:59"},
    {.kind = OptionKind::Sheet,
     .flag = "--break-step",
     .valueName = "MINUTES",
     .help = "minutes between the break list's durations: 5, 10 or 15 (default 5)",
     .jsonName = "break-step",
     .key = "BreakStep",
     .read =
         [](std::string_view t, SheetOptions& o) {
           const auto v = oneOf(t, {5, 10, 15});
           if (v) o.breakStep = *v;
           return bool(v);
         },
     .word = [](const SheetOptions& o) { return std::to_string(o.breakStep); },
     .accepts = "one of 5, 10, 15"},
    {.kind = OptionKind::Sheet,
     .flag = "--longest-break",
     .valueName = "H:MM",
     .help = "the break list's longest duration, 0:15 to 8:00, a multiple of\n"
             "the break step (default 2:00)",
     .jsonName = "longest-break",
     .key = "LongestBreak",
     .read =
         [](std::string_view t, SheetOptions& o) {
           const auto v = clockTime(t);
           const bool ok = v && *v >= 15 && *v <= kLongestBreakLimit;
           if (ok) o.longestBreak = *v;
           return ok;
         },
     .word = [](const SheetOptions& o) { return clockText(o.longestBreak); },
     .accepts = "a duration H:MM from 0:15 to 8:00"},
    {.kind = OptionKind::Sheet,
     .flag = "--date-format",
     .valueName = "ORDER",
     .help = "dates as mdy (5/29/2005), dmy (29/5/2005), dmy-dots (29.5.2005)\n"
             "or ymd (2005-05-29) (default mdy; dmy-dots for --language de,\n"
             "dmy for fr and es)",
     .jsonName = "date-format",
     .key = "DateFormat",
     .read =
         [](std::string_view t, SheetOptions& o) {
           const auto v = wordIndex(kDateWords, t);
           if (v) o.dateOrder = DateOrder(*v);
           return bool(v);
         },
     .word = [](const SheetOptions& o) { return std::string(kDateWords[int(o.dateOrder)]); },
     .accepts = "one of mdy, dmy, dmy-dots, ymd"},
    {.kind = OptionKind::Sheet,
     .flag = "--currency",
     .valueName = "SYMBOL",
     .help = "the currency symbol of the rate and pay (default $; \u20ac for\n"
             "--language de, fr or es)",
     .jsonName = "currency",
     .key = "Currency",
     .read =
         [](std::string_view t, SheetOptions& o) {
           const bool ok = acceptableSymbol(t);
           if (ok) o.currency = std::string(t);
           return ok;
         },
     .word = [](const SheetOptions& o) { return o.currency; },
     .accepts = "a symbol of 1 to 12 bytes of UTF-8 text that every format can hold: no "
                "quotes, backslashes, control characters or noncharacters"},
    {.kind = OptionKind::Sheet,
     .flag = "--currency-after",
     .help = "the symbol after the amount (default before it)",
     .jsonName = "currency-position",
     .key = "CurrencyPosition",
     .read =
         [](std::string_view t, SheetOptions& o) {
           const bool ok = t == "before" || t == "after";
           if (ok) o.currencyAfter = t == "after";
           return ok;
         },
     .word =
         [](const SheetOptions& o) { return std::string(o.currencyAfter ? "after" : "before"); },
     .accepts = "no value",
     .switchValue = "after"},
    {.kind = OptionKind::Sheet,
     .flag = "--week-start",
     .valueName = "DATE",
     .help = "the week-start date, on the first day: YYYY-MM-DD, empty, or\n"
             "example (default: 5/29/2005, or the first date after it on the\n"
             "first day)",
     .jsonName = "week-start",
     .key = "WeekStart",
     .read =
         [](std::string_view t, SheetOptions& o) {
           if (t == "example" || t == "empty") {
             o.weekStart = t == "empty" ? WeekStartKind::Empty : WeekStartKind::Example;
             return true;
           }
           const int serial = isoDateSerial(t);
           if (serial == 0 || serial > lastWeekStart()) return false;
           o.weekStart = WeekStartKind::Given;
           o.weekStartSerial = serial;
           return true;
         },
     .word =
         [](const SheetOptions& o) {
           if (o.weekStart == WeekStartKind::Given) return IsoDate(o.weekStartSerial);
           return std::string(o.weekStart == WeekStartKind::Empty ? "empty" : "example");
         },
     .accepts = "a date YYYY-MM-DD from 1900-03-01 to 9999-12-04 (the last start whose four "
                "weeks a workbook can hold), empty, or example"},
    {.kind = OptionKind::Sheet,
     .flag = "--first-day",
     .valueName = "DAY",
     .help = "the week's first day: sun (default), mon, tue, wed, thu, fri, sat",
     .jsonName = "first-day",
     .key = "FirstDay",
     .read =
         [](std::string_view t, SheetOptions& o) {
           const auto v = wordIndex(kDayWords, t);
           if (v) o.firstDay = *v + 1;
           return bool(v);
         },
     .word = [](const SheetOptions& o) { return std::string(kDayWords[o.firstDay - 1]); },
     .accepts = "one of sun, mon, tue, wed, thu, fri, sat"},
    {.kind = OptionKind::Sheet,
     .flag = "--protect",
     .help = "lock the cells the sheet computes and protect the sheet without a\npassword (default "
             "off)",
     .jsonName = "protect",
     .key = "Protect",
     .read =
         [](std::string_view t, SheetOptions& o) {
           const bool ok = t == "off" || t == "on";
           if (ok) o.protectFormulas = t == "on";
           return ok;
         },
     .word = [](const SheetOptions& o) { return std::string(o.protectFormulas ? "on" : "off"); },
     .accepts = "no value",
     .switchValue = "on"},
    {.kind = OptionKind::Sheet,
     .flag = "--overtime",
     .valueName = "RULE",
     .help = "overtime by the day, the week or both: none (default), daily:H,\n"
             "weekly:H or daily:H,weekly:H (for example daily:8,weekly:40)",
     .jsonName = "overtime",
     .key = "Overtime",
     .read = ReadOvertimeRule,
     .word = OvertimeRuleText,
     .accepts = "none, daily:H, weekly:H or daily:H,weekly:H with hours H from 1 to 24 a day "
                "and 1 to 168 a week, at most two decimals"},
    {.kind = OptionKind::Sheet,
     .flag = "--overtime-rate",
     .valueName = "MULTIPLIER",
     .help = "the overtime rate as a multiple of the regular rate, 1 to 3\n(default 1.5)",
     .jsonName = "overtime-rate",
     .key = "OvertimeRate",
     .read =
         [](std::string_view t, SheetOptions& o) {
           const auto v = ParseHundredths(t, kOvertimeRateRange);
           if (v) o.overtimeRate = *v;
           return bool(v);
         },
     .word = [](const SheetOptions& o) { return HundredthsText(o.overtimeRate); },
     .accepts = "a number from 1 to 3 with at most two decimals"},
    {.kind = OptionKind::Sheet,
     .flag = "--language",
     .valueName = "LANG",
     .help = "the language of the sheet's texts: en (default), de, fr or es",
     .jsonName = "language",
     .key = "SheetLanguage",
     .read =
         [](std::string_view t, SheetOptions& o) {
           const auto v = SheetLanguageOfWord(t);
           if (v) o.language = *v;
           return bool(v);
         },
     .word = [](const SheetOptions& o) { return std::string(SheetTextsOf(o.language).word); },
     .accepts = "one of en, de, fr, es"},
};

}  // namespace

std::span<const OptionEntry> SheetOptionEntries() {
  return kSheetOptions;
}

}  // namespace generator
