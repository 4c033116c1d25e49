#pragma once
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generator/option_table.h"
#include "generator/sheet_options.h"

namespace platform {
class SettingsStore;
}

// The user's choices: the module-level tables the generator reads, the
// settings-store keys that carry them between runs, and the procedures that
// move them between the store, the tables and the main window's controls.
namespace generator {

inline constexpr int kPaletteSize = 56;

// Field order: company name, address 1, address 2, city, state, zip, employee
// name, manager name, week starting, week ending, employee and manager signature.
enum Field {
  CompanyName,
  Address1,
  Address2,
  City,
  State,
  Zip,
  EmployeeName,
  ManagerName,
  WeekStarting,
  WeekEnding,
  EmployeeSignature,
  ManagerSignature
};

// Labels as the tables hold them ("Adress 1": the table's own spelling).
extern const std::array<std::string_view, kFieldCount> kFieldLabels;
// The 56 palette colours as R + 256 G + 65536 B.
extern const std::array<std::uint32_t, kPaletteSize> kPaletteColours;

inline constexpr std::string_view kSettingsApp = "Quillmark";
inline constexpr std::string_view kSettingsSection = "Tallyloom";

// 24 entries: 0..11 the labels, 12..23 the include flags (flag of field i at 12 + i).
struct FieldChoiceTable {
  std::array<std::string, kFieldCount> labels;
  std::array<bool, kFieldCount> flags{};

  bool flag(int field) const { return flags.at(static_cast<std::size_t>(field)); }
  bool& flag(int field) { return flags.at(static_cast<std::size_t>(field)); }
};

using DayChoiceTable = std::array<bool, kDayCount>;  // Sunday first
using PaletteTable = std::array<std::uint32_t, kPaletteSize>;

// The module-level tables. The palette starts filled: a sheet built after a
// failed restore must not come out black.
FieldChoiceTable& FieldChoices();
DayChoiceTable& DayChoices();
PaletteTable& Palette();
// The sheet options: restored and stored with the others, set by the options dialog.
SheetOptions& SheetOptionChoices();

// A failure while restoring or collecting choices ("Type mismatch",
// "Invalid property value"), reported by the caller.
class ChoiceError : public std::runtime_error {
 public:
  explicit ChoiceError(const std::string& message) : std::runtime_error(message) {}
};

// The controls of the main window that hold the choices (the option table says
// which): check boxes Check1..Check19 (values 0 clear, 1 ticked, 2 greyed) and
// the lists Combo1 (weeks) and Combo2 (shifts).
class ChoiceControls {
 public:
  virtual ~ChoiceControls() = default;
  virtual int checkValue(int box) const = 0;  // box 1..kCheckBoxCount
  virtual void setCheckValue(int box, int value) = 0;
  virtual int comboIndex(int combo) const = 0;  // combo 1 or 2; -1 when none
  // Throws ChoiceError("Invalid property value") when index is outside the list.
  virtual void setComboIndex(int combo, int index) = 0;
};

// Check box of a field (Check8..Check19) and of a day (Check1..Check7).
constexpr int fieldCheckBox(int field) {
  return 1 + kDayCount + field;
}
constexpr int dayCheckBox(int day) {
  return 1 + day;
}

// ChoiceControls held in memory: the command line's "window", and the tests'.
class ChoiceState : public ChoiceControls {
 public:
  ChoiceState();  // as the window starts: boxes clear, first list entries selected
  int checkValue(int box) const override;
  void setCheckValue(int box, int value) override;
  int comboIndex(int combo) const override;
  void setComboIndex(int combo, int index) override;

 private:
  std::array<int, kCheckBoxCount> checks_{};
  std::array<int, 2> combos_{};
};

// Truth value of stored text: "0"/"False" false, other numbers and "True" true,
// anything else throws ChoiceError("Type mismatch").
bool truthFromText(std::string_view text);
// The leading numeric part of the text rounded to the nearest integer (half to
// even); 0 when there is none.
int numberFromText(std::string_view text);

// A stored value that could not be used: its key, its text and why not.
struct BadStoredValue {
  std::string key;
  std::string text;
  std::string reason;  // "Type mismatch", "Overflow", "Invalid property value"
};

// Restores the tables and the two list indexes from the store, then applies them.
// A value that cannot be used leaves that one choice at its default; every
// other key still loads. Returns the values that could not be used, in order.
std::vector<BadStoredValue> RestoreChoices(ChoiceControls& controls,
                                           platform::SettingsStore& store);
// What was wrong with the stored values: each key with its text and the
// settings file ("Type mismatch: Monday=maybe in /home/u/.config/Quillmark.ini"),
// or why the whole file could not be read. Says nothing of what happens next:
// the caller does.
std::string BadStoredValuesText(const std::vector<BadStoredValue>& bad,
                                platform::SettingsStore& store);
// Whether the whole settings file was refused rather than some of its values.
bool WholeFileRefused(const std::vector<BadStoredValue>& bad);
// RestoreChoices, then one ChoiceError with BadStoredValuesText when a value
// was bad, saying that the defaults are shown instead.
void LoadChoices(ChoiceControls& controls, platform::SettingsStore& store);
void LoadChoices(ChoiceControls& controls);  // the program's settings store
// Shows the tables in the check boxes.
void ApplyChoices(ChoiceControls& controls);
// Reads the check boxes into the tables; a greyed box counts as not chosen.
void CollectChoices(const ChoiceControls& controls);
// Puts the twelve header fields' labels into FieldChoices.
void WriteFieldLabels();

// What the main window's close writes, in its order: Sunday..Saturday, the twelve
// field keys, NumberOfWeeks, NumberOfShifts, each its control's value as decimal text.
std::vector<std::pair<std::string, std::string>> ChoiceStoreEntries(const ChoiceControls& controls);
// Writes those entries in that order.
void StoreChoices(const ChoiceControls& controls, platform::SettingsStore& store);
void StoreChoices(const ChoiceControls& controls);  // the program's settings store

}  // namespace generator
