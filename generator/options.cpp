#include "generator/options.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

#include "spreadsheet/model/workbook.h"

namespace generator {

const std::array<std::string_view, kFieldCount> kFieldLabels = {
    "Company Name",  "Adress 1",    "Adress 2",           "City",
    "State",         "Zip",         "Employee Name",      "Manager Name",
    "Week Starting", "Week Ending", "Employee Signature", "Manager Signature"};

namespace {

constexpr std::uint32_t rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return r + 256 * g + 65536 * b;
}

}  // namespace

const std::array<std::uint32_t, kPaletteSize> kPaletteColours = {
    rgb(0, 0, 0),       rgb(255, 255, 255), rgb(255, 0, 0),     rgb(0, 255, 0),
    rgb(104, 150, 206), rgb(255, 255, 0),   rgb(255, 0, 255),   rgb(0, 255, 255),
    rgb(128, 0, 0),     rgb(84, 125, 146),  rgb(184, 203, 214), rgb(55, 82, 95),
    rgb(59, 59, 59),    rgb(0, 128, 128),   rgb(224, 224, 224), rgb(128, 128, 128),
    rgb(153, 153, 255), rgb(8, 132, 131),   rgb(249, 247, 105), rgb(204, 255, 255),
    rgb(102, 0, 102),   rgb(255, 128, 128), rgb(0, 102, 204),   rgb(204, 204, 255),
    rgb(0, 0, 128),     rgb(255, 0, 255),   rgb(255, 255, 0),   rgb(0, 255, 255),
    rgb(128, 0, 128),   rgb(128, 0, 0),     rgb(0, 128, 128),   rgb(0, 0, 255),
    rgb(0, 204, 255),   rgb(254, 252, 242), rgb(204, 255, 204), rgb(255, 231, 189),
    rgb(252, 250, 242), rgb(255, 153, 204), rgb(234, 234, 234), rgb(253, 247, 223),
    rgb(51, 102, 255),  rgb(51, 204, 204),  rgb(206, 234, 246), rgb(255, 204, 0),
    rgb(255, 153, 0),   rgb(255, 102, 0),   rgb(251, 248, 239), rgb(207, 207, 207),
    rgb(190, 190, 190), rgb(51, 153, 102),  rgb(115, 158, 211), rgb(236, 245, 215),
    rgb(153, 51, 0),    rgb(153, 51, 102),  rgb(241, 246, 249), rgb(51, 51, 51)};

FieldChoiceTable& FieldChoices() {
  static FieldChoiceTable table;
  return table;
}

DayChoiceTable& DayChoices() {
  static DayChoiceTable table{};
  return table;
}

PaletteTable& Palette() {
  static PaletteTable table = kPaletteColours;
  return table;
}

SheetOptions& SheetOptionChoices() {
  static SheetOptions options;
  return options;
}

// ---------------------------------------------------------------- ChoiceState

ChoiceState::ChoiceState() = default;

int ChoiceState::checkValue(int box) const {
  return checks_.at(static_cast<std::size_t>(box - 1));
}

void ChoiceState::setCheckValue(int box, int value) {
  if (value < 0 || value > 2) throw ChoiceError("Invalid property value");
  checks_.at(static_cast<std::size_t>(box - 1)) = value;
}

int ChoiceState::comboIndex(int combo) const {
  return combos_.at(static_cast<std::size_t>(combo - 1));
}

void ChoiceState::setComboIndex(int combo, int index) {
  const OptionEntry* list = OptionOfCombo(combo);
  if (!list || index < -1 || index >= ListSize(*list)) throw ChoiceError("Invalid property value");
  combos_.at(static_cast<std::size_t>(combo - 1)) = index;
}

// ------------------------------------------------------------ text conversion

namespace {

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
    text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
    text.remove_suffix(1);
  return text;
}

// Length of the longest prefix that reads as a decimal number (sign, digits,
// point, exponent); 0 when none does.
std::size_t numericPrefixLength(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t expStart = j;
    while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
    if (j > expStart) i = j;
  }
  return i;
}

double parsePrefix(std::string_view s, std::size_t length) {
  const std::string copy(s.substr(0, length));
  return std::strtod(copy.c_str(), nullptr);
}

}  // namespace

bool truthFromText(std::string_view text) {
  const std::string_view t = trimmed(text);
  if (spreadsheet::sameName(std::string(t), "True")) return true;
  if (spreadsheet::sameName(std::string(t), "False")) return false;
  const std::size_t length = numericPrefixLength(t);
  if (length == 0 || length != t.size()) throw ChoiceError("Type mismatch");
  return parsePrefix(t, length) != 0.0;
}

int numberFromText(std::string_view text) {
  const std::string_view t = trimmed(text);
  const std::size_t length = numericPrefixLength(t);
  if (length == 0) return 0;
  const double rounded = std::nearbyint(parsePrefix(t, length));
  if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
    throw ChoiceError("Overflow");
  return static_cast<int>(rounded);
}

// ------------------------------------------------------------------ procedures

void WriteFieldLabels() {
  for (int i = 0; i < kFieldCount; ++i)
    FieldChoices().labels[static_cast<std::size_t>(i)] =
        std::string(kFieldLabels[static_cast<std::size_t>(i)]);
}

namespace {

// Each check box of a set with its place in the set's table.
template <typename Visit>
void forEachBox(Visit visit) {
  for (const OptionEntry& option : OptionTable())
    if (option.kind == OptionKind::Set)
      for (std::size_t i = 0; i < option.items.size(); ++i)
        visit(option, i, option.firstBox + static_cast<int>(i));
}

}  // namespace

void ApplyChoices(ChoiceControls& controls) {
  forEachBox([&](const OptionEntry& option, std::size_t i, int box) {
    controls.setCheckValue(box, option.table()[i] ? 1 : 0);
  });
}

void CollectChoices(const ChoiceControls& controls) {
  WriteFieldLabels();
  forEachBox([&](const OptionEntry& option, std::size_t i, int box) {
    option.table()[i] = controls.checkValue(box) == 1;
  });
}

std::vector<std::pair<std::string, std::string>> ChoiceStoreEntries(
    const ChoiceControls& controls) {
  std::vector<std::pair<std::string, std::string>> entries;
  for (const OptionEntry& option : OptionTable()) {
    if (isList(option.kind)) {
      entries.emplace_back(option.key, std::to_string(controls.comboIndex(option.combo)));
      continue;
    }
    if (option.kind == OptionKind::Sheet) {
      entries.emplace_back(option.key, option.word(SheetOptionChoices()));
      continue;
    }
    for (std::size_t i = 0; i < option.items.size(); ++i)
      entries.emplace_back(option.items[i].key,
                           std::to_string(controls.checkValue(option.firstBox + int(i))));
  }
  return entries;
}

}  // namespace generator
