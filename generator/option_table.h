#pragma once
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// Every choice of the template, declared once: its settings keys, its
// command-line flag and help, its control in the main window, its default,
// what it accepts and its name in the JSON summary. The settings store, the
// command line, the summary and the main window all read this table; a new
// choice is one entry here, its field in LayoutChoices and its use in the layout.
namespace generator {

struct LayoutChoices;
struct SheetOptions;

// One check box of a set: its settings key, its word in the command-line
// list, its caption and width (twips) in the main window, and its state on a
// first start. A choice's values use the word and the caption only.
struct SetItem {
  std::string_view key;
  std::string_view word;
  std::string_view caption;
  int width;
  bool ticked;
};

inline constexpr std::array<SetItem, 7> kDayItems{{
    {"Sunday", "sun", "Sunday", 975, false},
    {"Monday", "mon", "Monday", 975, true},
    {"Tuesday", "tue", "Tuesday", 1020, true},
    {"Wednesday", "wed", " Wednesday", 1350, true},
    {"Thursday", "thu", "Thursday", 1095, true},
    {"Friday", "fri", "Friday", 855, true},
    {"Saturday", "sat", "Saturday", 1095, false},
}};

// Field order; the keys spell "Address", the tables' labels (kFieldLabels) "Adress".
inline constexpr std::array<SetItem, 12> kFieldItems{{
    {"Company Name", "company", "Company Name", 1815, true},
    {"Address 1", "address1", "Address 1", 1935, true},
    {"Address 2", "address2", "Address 2", 1815, true},
    {"City", "city", "City", 1935, true},
    {"State", "state", "State", 1815, true},
    {"Zip", "zip", "Zip", 1935, true},
    {"Employee Name", "employee", "Employee Name", 1815, true},
    {"Manager Name", "manager", "Manager Name", 1935, true},
    {"Week Starting", "week-start", " Week Starting", 1815, true},
    {"Week Ending", "week-end", " Week Ending", 1935, true},
    {"Employee Signature", "employee-signature", "Employee Signature", 2055, true},
    {"Manager Signature", "manager-signature", "Manager Signature", 1935, true},
}};

// A whole number chosen from a drop-down list whose index is value - low.
struct CountRange {
  int low;
  int high;
  constexpr int size() const { return high - low + 1; }
};
inline constexpr CountRange kWeekRange{1, 4};
inline constexpr CountRange kShiftRange{1, 20};

inline constexpr int kDayCount = static_cast<int>(kDayItems.size());
inline constexpr int kFieldCount = static_cast<int>(kFieldItems.size());
inline constexpr int kCheckBoxCount = kDayCount + kFieldCount;  // Check1..Check19
inline constexpr int kWeekListSize = kWeekRange.size();         // Combo1
inline constexpr int kShiftListSize = kShiftRange.size();       // Combo2

enum class OptionKind {
  Set,     // named items, each its own check box and settings key (stored "0"/"1")
  Count,   // a whole number, kept as a list's selected index under one key
  Choice,  // one of named values, kept as a list's selected index under one key
  Sheet,   // a sheet option, kept as its command-line text under one key
};

// Count and Choice: a drop-down list whose selected index is stored.
constexpr bool isList(OptionKind kind) {
  return kind == OptionKind::Count || kind == OptionKind::Choice;
}

struct OptionEntry {
  OptionKind kind = OptionKind::Set;
  std::string_view flag{};       // "--days"
  std::string_view valueName{};  // "LIST" in the help
  std::string_view help{};       // beside the flag in --help; '\n' between its lines
  std::string_view jsonName{};   // empty when the summary leaves the choice out
  // Set: the check boxes; Choice: the values
  std::span<const SetItem> items{};
  int firstBox = 0;          // CheckN of the first item
  int frame = 0;             // FrameN that holds the boxes
  bool downFirst = false;    // boxes fill the left column first, else row by row
  bool acceptsNone = false;  // "none" on the command line
  int atLeast = 0;           // items that must be chosen for a sheet
  // Count and Choice
  std::string_view key{};
  CountRange range{};                // Count: the numbers; index = value - low
  int byDefault = 0;                 // the list's index when the key is absent
  int combo = 0;                     // ComboN
  std::string_view unit{}, units{};  // Count's list texts: "1 Week", "2 Weeks"
  // Where the value lives: the module table a Set fills, and the layout's choices.
  // Sheet: what a text gives (false when it is not accepted), the text of the
  // value, the accepted values for usage errors, and the one value a flag that
  // takes none stands for ("--currency-after").
  bool (*read)(std::string_view text, SheetOptions& options) = nullptr;
  std::string (*word)(const SheetOptions& options) = nullptr;
  std::string_view accepts{};
  std::string_view switchValue{};
  std::span<bool> (*table)() = nullptr;
  std::span<const bool> (*flags)(const LayoutChoices&) = nullptr;
  int (*index)(const LayoutChoices&) = nullptr;
};

// In the order of the settings store's writes, the help and the summary.
std::span<const OptionEntry> OptionTable();
const OptionEntry& DaysOption();
const OptionEntry* OptionOfFlag(std::string_view flag);
const OptionEntry* OptionOfKey(std::string_view key);
const OptionEntry* OptionOfCombo(int combo);  // the list option of ComboN

// The settings keys of an option, each with the text read when it is absent.
std::vector<std::pair<std::string_view, std::string>> KeysWithDefaults(const OptionEntry& option);
// How many entries a list option's drop-down list has.
int ListSize(const OptionEntry& option);

// What a command-line value gives, as stored texts of the option's keys;
// nullopt when the value is not accepted.
using StoredTexts = std::vector<std::pair<std::string, std::string>>;
std::optional<StoredTexts> ParseOptionValue(const OptionEntry& option, std::string_view value);
// "a whole number from 1 to 4", "one of 12, 24", for usage errors.
std::string AcceptedText(const OptionEntry& option);
// The option's lines of --help.
std::string OptionHelp(const OptionEntry& option);
// Text of a list's entry at `index`: "1 Week", "3 Weeks", "20", a value's caption.
std::string ListItemText(const OptionEntry& option, int index);

// The value the JSON summary shows: a number, a set's chosen keys, a choice's word.
using SummaryValue = std::variant<int, std::vector<std::string>, std::string>;
SummaryValue OptionSummaryValue(const OptionEntry& option, const LayoutChoices& choices);

// The one rule for a user's text that reaches a file (the currency symbol, any
// text option): well-formed UTF-8, 1 to maxBytes bytes, of characters XML 1.0
// allows and BIFF8 and OpenDocument keep, so no C0 or C1 control, no DEL and
// no noncharacter (U+FDD0..U+FDEF, U+nFFFE, U+nFFFF).
bool FitsEveryFormat(std::string_view text, std::size_t maxBytes);

// Whether a set has fewer chosen items than the sheet needs.
bool TooFewChosen(const OptionEntry& option, std::span<const bool> chosen);

}  // namespace generator
