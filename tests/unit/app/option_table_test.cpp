// Every option of the table, from the command line through the settings file
// and back into the layout's choices and the summary.
#include "generator/option_table.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <set>

#include "app/command_line_options.h"
#include "generator/options.h"
#include "generator/time_sheet.h"
#include "platform/settings_store.h"

namespace generator {
namespace {

// What a value gives, written out by hand: the check boxes of a set ("1" ticked,
// "0" clear, in item order), a list's index, or a sheet option's stored text,
// and what the summary shows. An empty value: the flag alone.
struct RoundTrip {
  const char* flag;
  const char* value;
  const char* restored;  // boxes "0100000", the list index "2", or "5:00"
  const char* summary;   // "Sunday,Wednesday", "3"; "" when the summary leaves it out
};

const RoundTrip kRoundTrips[] = {
    {"--days", "sun,wed", "1001000", "Sunday,Wednesday"},
    {"--days", "sat,mon,sat", "0100001", "Monday,Saturday"},
    {"--days", "all", "1111111", "Sunday,Monday,Tuesday,Wednesday,Thursday,Friday,Saturday"},
    {"--fields", "city,zip,manager-signature", "000101000001", "City,Zip,Manager Signature"},
    {"--fields", "none", "000000000000", ""},
    {"--fields", "all", "111111111111",
     "Company Name,Address 1,Address 2,City,State,Zip,Employee Name,Manager Name,Week Starting,"
     "Week Ending,Employee Signature,Manager Signature"},
    {"--weeks", "1", "0", "1"},
    {"--weeks", "4", "3", "4"},
    {"--shifts", "20", "19", "20"},
    {"--shifts", "7", "6", "7"},
    {"--clock", "24", "24", "24"},
    {"--clock", "12", "12", "12"},
    {"--time-step", "5", "5", "5"},
    {"--time-step", "60", "60", "60"},
    {"--first-time", "05:00", "5:00", "5:00"},
    {"--first-time", "23:59", "23:59", "23:59"},
    {"--first-time", "0:00", "0:00", "0:00"},
    {"--break-step", "15", "15", "15"},
    {"--longest-break", "0:45", "0:45", "0:45"},
    {"--longest-break", "8:00", "8:00", "8:00"},
    {"--date-format", "dmy-dots", "dmy-dots", "dmy-dots"},
    {"--date-format", "ymd", "ymd", "ymd"},
    {"--currency", "\u20ac", "\u20ac", "\u20ac"},
    {"--currency", "CHF", "CHF", "CHF"},
    {"--currency", "\U0001F4B0\u00a0", "\U0001F4B0\u00a0", "\U0001F4B0\u00a0"},
    {"--currency-after", "", "after", "after"},
    {"--week-start", "2024-02-29", "2024-02-29", "2024-02-29"},
    {"--week-start", "1900-03-01", "1900-03-01", "1900-03-01"},
    {"--week-start", "9999-12-04", "9999-12-04", "9999-12-04"},  // four weeks end 9999-12-31
    {"--week-start", "empty", "empty", "empty"},
    {"--week-start", "example", "example", "example"},
    {"--first-day", "mon", "mon", "mon"},
    {"--first-day", "sat", "sat", "sat"},
    {"--protect", "", "on", "on"},
    {"--overtime", "daily:8", "daily:8", "daily:8"},
    {"--overtime", "weekly:37.50", "weekly:37.5", "weekly:37.5"},
    {"--overtime", "weekly:168,daily:7.25", "daily:7.25,weekly:168", "daily:7.25,weekly:168"},
    {"--overtime", "daily:24,weekly:1", "daily:24,weekly:1", "daily:24,weekly:1"},
    {"--overtime", "none", "none", "none"},
    {"--overtime-rate", "2", "2", "2"},
    {"--overtime-rate", "1.25", "1.25", "1.25"},
    {"--overtime-rate", "3.0", "3", "3"},
    {"--language", "de", "de", "de"},
    {"--language", "es", "es", "es"},
    {"--language", "en", "en", "en"},
};

std::string joined(const SummaryValue& value) {
  if (const int* n = std::get_if<int>(&value)) return std::to_string(*n);
  if (const std::string* word = std::get_if<std::string>(&value)) return *word;
  std::string text;
  for (const std::string& item : std::get<std::vector<std::string>>(value))
    text += (text.empty() ? "" : ",") + item;
  return text;
}

// The controls' state of one option as the hand table writes it.
std::string controlsOf(const OptionEntry& option, const ChoiceState& controls) {
  if (option.kind == OptionKind::Count) return std::to_string(controls.comboIndex(option.combo));
  if (option.kind == OptionKind::Sheet) return option.word(SheetOptionChoices());
  std::string boxes;
  for (std::size_t i = 0; i < option.items.size(); ++i)
    boxes += std::to_string(controls.checkValue(option.firstBox + int(i)));
  return boxes;
}

TEST(OptionTable, EveryOptionGoesFromFlagToFileToChoicesToSummaryAndBack) {
  std::set<std::string> covered;
  for (const RoundTrip& t : kRoundTrips) {
    SCOPED_TRACE(std::string(t.flag) + " " + t.value);
    const OptionEntry* option = OptionOfFlag(t.flag);
    ASSERT_NE(option, nullptr);
    covered.insert(t.flag);

    // Parse, and write what it gives into a settings file of its own.
    const std::string arg = *t.value ? std::string(t.flag) + "=" + t.value : std::string(t.flag);
    const auto request = tallyloom::parseCommandLine({"generate", "--output", "a.xls", arg});
    ASSERT_TRUE(request.request);
    QTemporaryDir dir;
    platform::IniSettingsStore file(dir.path());
    for (const auto& [key, text] : request.request->choices)
      file.write("Quillmark", "Tallyloom", QString::fromStdString(key),
                 QString::fromStdString(text));

    // Restore as the main window does: the controls show the value.
    ChoiceState controls;
    EXPECT_TRUE(RestoreChoices(controls, file).empty());
    EXPECT_EQ(controlsOf(*option, controls), t.restored);

    // The choices the layout gets, as the summary reports them.
    CollectChoices(controls);
    const LayoutChoices choices = CurrentLayoutChoices(controls);
    if (option->jsonName.empty())
      EXPECT_STREQ(t.summary, "");
    else
      EXPECT_EQ(joined(OptionSummaryValue(*option, choices)), t.summary);

    // Stored again at the window's close: the same texts, as the file holds them.
    platform::IniSettingsStore again(dir.path() + "/again");
    StoreChoices(controls, again);
    for (const auto& [key, text] : request.request->choices)
      EXPECT_EQ(
          again.read("Quillmark", "Tallyloom", QString::fromStdString(key), "?").toStdString(),
          text)
          << key;
  }
  for (const OptionEntry& option : OptionTable())
    EXPECT_TRUE(covered.count(std::string(option.flag))) << option.flag << " has no round trip";
}

// A bad value of each option, on the command line and in the settings file.
struct BadValue {
  const char* flag;
  const char* commandLine;  // refused with the flag and what it accepts
  const char* key;          // a stored value refused with its key named
  const char* stored;
};

const BadValue kBadValues[] = {
    {"--days", "mon,funday", "Tuesday", "sometimes"},
    {"--days", "none", "Saturday", ""},
    {"--fields", "city;zip", "Zip", "yes"},
    {"--weeks", "5", "NumberOfWeeks", "4"},
    {"--weeks", "two", "NumberOfWeeks", "-2"},
    {"--shifts", "0", "NumberOfShifts", "20"},
    {"--shifts", "1.5", "NumberOfShifts", "1e99"},
    {"--clock", "13", "Clock", "24h"},
    {"--time-step", "7", "TimeStep", "0"},
    {"--time-step", "15.0", "TimeStep", "-15"},
    {"--first-time", "24:00", "FirstTime", "6"},
    {"--first-time", "6:5", "FirstTime", "6:60"},
    {"--first-time", "-1:00", "FirstTime", "-1:00"},
    {"--first-time", "6:-5", "FirstTime", "+6:00"},
    {"--first-time", "-9:59", "FirstTime", "6:+5"},
    {"--break-step", "20", "BreakStep", "1"},
    {"--longest-break", "0:10", "LongestBreak", "8:01"},
    {"--longest-break", "1:-5", "LongestBreak", "-0:30"},
    {"--date-format", "dd.mm.yyyy", "DateFormat", "DMY"},
    {"--currency", "a\"b", "Currency", ""},
    {"--currency", "\x80", "Currency", "tab\there"},
    // Characters no XML part may hold, C1 controls, noncharacters, broken UTF-8.
    {"--currency", "\xEF\xBF\xBE", "Currency", "\xEF\xBF\xBF"},
    {"--currency", "\xC2\x85", "Currency", "\xC2\x9B"},
    {"--currency", "\xED\xA0\x80", "Currency", "\xEF\xB7\x90"},
    {"--currency", "\xC0\xA4", "Currency", "\xF4\x8F\xBF\xBF"},
    {"--currency", "\xF4\x90\x80\x80", "Currency", "\x7F"},
    {"--currency-after", "yes", "CurrencyPosition", "left"},
    {"--week-start", "2026-02-29", "WeekStart", "1899-12-31"},
    {"--week-start", "today", "WeekStart", "2026-3-2"},
    {"--week-start", "9999-12-31", "WeekStart", "9999-12-05"},  // the dates pass 9999-12-31
    {"--week-start", "+999-01-01", "WeekStart", "2026-+3-02"},
    {"--first-day", "monday", "FirstDay", "1"},
    {"--protect", "yes", "Protect", "true"},
    {"--overtime", "daily:0.5", "Overtime", "daily:25"},
    {"--overtime", "weekly:169", "Overtime", "daily:8,daily:9"},
    {"--overtime", "daily:8,", "Overtime", "hourly:8"},
    {"--overtime", "daily:7.125", "Overtime", "daily:-8"},
    {"--overtime", "daily", "Overtime", "weekly:1e2"},
    {"--overtime-rate", "0.5", "OvertimeRate", "3.01"},
    {"--overtime-rate", "1,5", "OvertimeRate", "x2"},
    {"--overtime-rate", "", "OvertimeRate", ".5"},
    {"--language", "DE", "SheetLanguage", "german"},
    {"--language", "it", "SheetLanguage", ""},
};

TEST(OptionTable, ABadValueOfEachOptionIsRefusedNamingItsFlagOrKey) {
  std::set<std::string> covered;
  for (const BadValue& t : kBadValues) {
    SCOPED_TRACE(std::string(t.flag) + " " + t.commandLine + " / " + t.key + "=" + t.stored);
    covered.insert(t.flag);
    const auto parsed = tallyloom::parseCommandLine(
        {"generate", "--output", "a.xls", std::string(t.flag) + "=" + t.commandLine});
    ASSERT_TRUE(parsed.error);
    EXPECT_EQ(parsed.error->message.rfind(std::string(t.flag) + " accepts ", 0), 0u)
        << parsed.error->message;

    QTemporaryDir dir;
    platform::IniSettingsStore file(dir.path());
    file.write("Quillmark", "Tallyloom", t.key, t.stored);
    ChoiceState controls;
    const std::vector<BadStoredValue> bad = RestoreChoices(controls, file);
    ASSERT_EQ(bad.size(), 1u);
    EXPECT_EQ(bad[0].key, t.key);
    EXPECT_EQ(bad[0].text, t.stored);
    EXPECT_EQ(OptionOfKey(t.key), OptionOfFlag(t.flag));
  }
  for (const OptionEntry& option : OptionTable())
    EXPECT_TRUE(covered.count(std::string(option.flag))) << option.flag << " has no bad value";
}

// The manual page parts each --help term from its text at two spaces.
TEST(OptionTable, EveryHelpTermIsFollowedByTwoSpaces) {
  for (const OptionEntry& option : OptionTable()) {
    std::string term = "  " + std::string(option.flag);
    if (!option.valueName.empty()) term += " " + std::string(option.valueName);
    EXPECT_EQ(OptionHelp(option).substr(term.size(), 2), "  ") << OptionHelp(option);
  }
}

// A choice among named values, as the sheet options will declare them.
TEST(OptionTable, AChoiceIsOneOfItsWordsKeptAsAListIndex) {
  constexpr std::array<SetItem, 2> kClocks{
      {{"", "12", "12-hour", 0, false}, {"", "24", "24-hour", 0, false}}};
  const OptionEntry clock{.kind = OptionKind::Choice,
                          .flag = "--clock",
                          .items = kClocks,
                          .key = "Clock",
                          .byDefault = 1,
                          .combo = 3};
  EXPECT_EQ(ParseOptionValue(clock, "24"), (StoredTexts{{"Clock", "1"}}));
  EXPECT_EQ(ParseOptionValue(clock, "12"), (StoredTexts{{"Clock", "0"}}));
  for (const char* bad : {"", "13", "24h", "1"}) EXPECT_FALSE(ParseOptionValue(clock, bad)) << bad;
  EXPECT_EQ(AcceptedText(clock), "one of 12, 24");
  EXPECT_EQ(ListItemText(clock, 1), "24-hour");
  EXPECT_EQ(ListSize(clock), 2);
  EXPECT_EQ(KeysWithDefaults(clock).front().second, "1");
}

}  // namespace
}  // namespace generator
