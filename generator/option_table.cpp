#include "generator/option_table.h"

#include <algorithm>
#include <charconv>

#include "generator/options.h"
#include "generator/sheet_option_entries.h"
#include "generator/sheet_options.h"
#include "generator/time_sheet.h"

namespace generator {

namespace {

const std::array<OptionEntry, 4> kOptions{{
    {.kind = OptionKind::Set,
     .flag = "--days",
     .valueName = "LIST",
     .help = "comma-separated days: sun,mon,tue,wed,thu,fri,sat, or all\n"
             "(default mon,tue,wed,thu,fri); at least one day is needed",
     .jsonName = "days",
     .items = kDayItems,
     .firstBox = 1,
     .frame = 1,
     .downFirst = true,
     .atLeast = 1,
     .table = [] { return std::span<bool>(DayChoices()); },
     .flags = [](const LayoutChoices& c) { return std::span<const bool>(c.days); }},
    {.kind = OptionKind::Set,
     .flag = "--fields",
     .valueName = "LIST",
     .help = "comma-separated header fields: company,address1,address2,city,\n"
             "state,zip,employee,manager,week-start,week-end,\n"
             "employee-signature,manager-signature, or all, or none (default all)",
     .jsonName = "fields",
     .items = kFieldItems,
     .firstBox = 1 + kDayCount,
     .frame = 2,
     .acceptsNone = true,
     .table = [] { return std::span<bool>(FieldChoices().flags); },
     .flags = [](const LayoutChoices& c) { return std::span<const bool>(c.fields); }},
    {.kind = OptionKind::Count,
     .flag = "--weeks",
     .valueName = "N",
     .help = "weeks side by side, 1 to 4 (default 1)",
     .jsonName = "weeks",
     .key = "NumberOfWeeks",
     .range = kWeekRange,
     .combo = 1,
     .unit = " Week",
     .units = " Weeks",
     .index = [](const LayoutChoices& c) { return c.weekIndex; }},
    {.kind = OptionKind::Count,
     .flag = "--shifts",
     .valueName = "N",
     .help = "shifts per day, 1 to 20 (default 1)",
     .jsonName = "shifts",
     .key = "NumberOfShifts",
     .range = kShiftRange,
     .combo = 2,
     .index = [](const LayoutChoices& c) { return c.shiftIndex; }},
}};

std::vector<std::string> splitCommas(std::string_view list) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = list.find(',', start);
    items.emplace_back(list.substr(start, comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return items;
}

std::optional<std::vector<bool>> parseSet(const OptionEntry& option, std::string_view list) {
  std::vector<bool> chosen(option.items.size(), list == "all");
  if (list == "all" || (option.acceptsNone && list == "none")) return chosen;
  for (const std::string& word : splitCommas(list)) {
    const auto it = std::find_if(option.items.begin(), option.items.end(),
                                 [&](const SetItem& item) { return item.word == word; });
    if (it == option.items.end()) return std::nullopt;
    chosen[static_cast<std::size_t>(it - option.items.begin())] = true;
  }
  return chosen;
}

// The list index of a whole number low..high.
std::optional<int> parseCount(std::string_view text, CountRange range) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < range.low ||
      value > range.high)
    return std::nullopt;
  return value - range.low;
}

std::optional<int> wordIndex(const OptionEntry& option, std::string_view word) {
  for (std::size_t i = 0; i < option.items.size(); ++i)
    if (option.items[i].word == word) return int(i);
  return std::nullopt;
}

std::string joinedWords(const OptionEntry& option, std::string_view separator) {
  std::string words;
  for (const SetItem& item : option.items) {
    if (!words.empty()) words += separator;
    words += item.word;
  }
  return words;
}

}  // namespace

std::span<const OptionEntry> OptionTable() {
  static const std::vector<OptionEntry> table = [] {
    std::vector<OptionEntry> all(kOptions.begin(), kOptions.end());
    const auto sheet = SheetOptionEntries();
    all.insert(all.end(), sheet.begin(), sheet.end());
    return all;
  }();
  return table;
}

const OptionEntry& DaysOption() {
  return kOptions[0];
}

const OptionEntry* OptionOfFlag(std::string_view flag) {
  for (const OptionEntry& option : OptionTable())
    if (option.flag == flag) return &option;
  return nullptr;
}

const OptionEntry* OptionOfKey(std::string_view key) {
  for (const OptionEntry& option : OptionTable())
    for (const auto& [k, def] : KeysWithDefaults(option))
      if (k == key) return &option;
  return nullptr;
}

const OptionEntry* OptionOfCombo(int combo) {
  for (const OptionEntry& option : OptionTable())
    if (isList(option.kind) && option.combo == combo) return &option;
  return nullptr;
}

std::vector<std::pair<std::string_view, std::string>> KeysWithDefaults(const OptionEntry& option) {
  std::vector<std::pair<std::string_view, std::string>> keys;
  if (isList(option.kind)) {
    keys.emplace_back(option.key, std::to_string(option.byDefault));
    return keys;
  }
  if (option.kind == OptionKind::Sheet) {
    keys.emplace_back(option.key, option.word(SheetOptions{}));
    return keys;
  }
  for (const SetItem& item : option.items)
    keys.emplace_back(item.key, item.ticked ? "True" : "False");
  return keys;
}

int ListSize(const OptionEntry& option) {
  return option.kind == OptionKind::Count ? option.range.size() : int(option.items.size());
}

std::optional<StoredTexts> ParseOptionValue(const OptionEntry& option, std::string_view value) {
  StoredTexts texts;
  if (option.kind == OptionKind::Sheet) {
    SheetOptions read;
    if (!option.read(value, read)) return std::nullopt;
    texts.emplace_back(option.key, option.word(read));
    return texts;
  }
  if (isList(option.kind)) {
    const auto index = option.kind == OptionKind::Count ? parseCount(value, option.range)
                                                        : wordIndex(option, value);
    if (!index) return std::nullopt;
    texts.emplace_back(option.key, std::to_string(*index));
    return texts;
  }
  const auto chosen = parseSet(option, value);
  if (!chosen) return std::nullopt;
  for (std::size_t i = 0; i < option.items.size(); ++i)
    texts.emplace_back(option.items[i].key, (*chosen)[i] ? "1" : "0");
  return texts;
}

namespace {

// The code point at `i` of well-formed UTF-8 (shortest form, no surrogate, at
// most U+10FFFF), moving `i` past it; nullopt for any other byte sequence.
std::optional<char32_t> strictCodePoint(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  const std::size_t extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  if (extra == 0 || lead > 0xF4 || text.size() - i < extra) return std::nullopt;
  char32_t code = lead & (0x3Fu >> extra);
  for (std::size_t k = 0; k < extra; ++k, ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code = code << 6 | (next & 0x3Fu);
  }
  constexpr char32_t kShortest[] = {0, 0x80, 0x800, 0x10000};
  if (code < kShortest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
    return std::nullopt;
  return code;
}

bool keptByEveryFormat(char32_t c) {
  if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return false;  // C0, DEL, C1
  if (c >= 0xFDD0 && c <= 0xFDEF) return false;
  return (c & 0xFFFE) != 0xFFFE;  // U+FFFE, U+FFFF and their twins in every plane
}

}  // namespace

bool FitsEveryFormat(std::string_view text, std::size_t maxBytes) {
  if (text.empty() || text.size() > maxBytes) return false;
  for (std::size_t i = 0; i < text.size();) {
    const auto code = strictCodePoint(text, i);
    if (!code || !keptByEveryFormat(*code)) return false;
  }
  return true;
}

std::string AcceptedText(const OptionEntry& option) {
  switch (option.kind) {
    case OptionKind::Count:
      return "a whole number from " + std::to_string(option.range.low) + " to " +
             std::to_string(option.range.high);
    case OptionKind::Choice:
      return "one of " + joinedWords(option, ", ");
    case OptionKind::Sheet:
      return std::string(option.accepts);
    case OptionKind::Set:
      break;
  }
  return "a comma-separated list of " + joinedWords(option, ",") + ", or all" +
         (option.acceptsNone ? ", or none" : "");
}

std::string OptionHelp(const OptionEntry& option) {
  constexpr std::size_t kHelpColumn = 22;
  std::string head = "  " + std::string(option.flag);
  if (!option.valueName.empty()) head += " " + std::string(option.valueName);
  // At least two spaces: the manual page tells a term from its text by them.
  head.resize(std::max(kHelpColumn, head.size() + 2), ' ');
  std::string text = head;
  for (const char ch : option.help) {
    text += ch;
    if (ch == '\n') text += std::string(kHelpColumn, ' ');
  }
  return text + '\n';
}

std::string ListItemText(const OptionEntry& option, int index) {
  if (option.kind == OptionKind::Choice)
    return std::string(option.items[static_cast<std::size_t>(index)].caption);
  const int value = option.range.low + index;
  return std::to_string(value) + std::string(value == 1 ? option.unit : option.units);
}

SummaryValue OptionSummaryValue(const OptionEntry& option, const LayoutChoices& choices) {
  if (option.kind == OptionKind::Count) return option.index(choices) + option.range.low;
  if (option.kind == OptionKind::Sheet) return option.word(choices.sheet);
  if (option.kind == OptionKind::Choice)
    return std::string(option.items[static_cast<std::size_t>(option.index(choices))].word);
  std::vector<std::string> keys;
  const std::span<const bool> flags = option.flags(choices);
  for (std::size_t i = 0; i < option.items.size(); ++i)
    if (flags[i]) keys.emplace_back(option.items[i].key);
  return keys;
}

bool TooFewChosen(const OptionEntry& option, std::span<const bool> chosen) {
  return std::count(chosen.begin(), chosen.end(), true) < option.atLeast;
}

}  // namespace generator
