#include <algorithm>
#include <optional>

#include "generator/options.h"
#include "platform/settings_store.h"
#include "spreadsheet/io/system_reason.h"

// The choices and the per-user settings store: reading them back with a
// report of what could not be used, and writing them.
namespace generator {

namespace {

QString q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

constexpr const char* kNotText = "Type mismatch (not text)";

std::string readText(platform::SettingsStore& store, std::string_view key, std::string_view def) {
  return store.read(q(kSettingsApp), q(kSettingsSection), q(key), q(def)).toStdString();
}

// The key's text, or nullopt (noted) when the key holds something else.
std::optional<std::string> readKey(platform::SettingsStore& store, std::string_view key,
                                   std::string_view def, std::vector<BadStoredValue>& bad) {
  if (!store.holdsText(q(kSettingsApp), q(kSettingsSection), q(key))) {
    bad.push_back({std::string(key), "", kNotText});
    return std::nullopt;
  }
  return readText(store, key, def);
}

// Reads one stored choice; a value that cannot be used is noted and the default kept.
template <typename T, typename Convert>
T readChoice(platform::SettingsStore& store, std::string_view key, std::string_view def, T fallback,
             Convert convert, std::vector<BadStoredValue>& bad) {
  const auto read = readKey(store, key, def, bad);
  if (!read) return fallback;
  const std::string& text = *read;
  try {
    return convert(text);
  } catch (const ChoiceError& e) {
    bad.push_back({std::string(key), text, e.what()});
    return fallback;
  }
}

// A list's stored index; one outside the list leaves its first entry selected.
void restoreListIndex(ChoiceControls& controls, platform::SettingsStore& store,
                      const OptionEntry& option, std::vector<BadStoredValue>& bad) {
  const std::size_t before = bad.size();
  readChoice(
      store, option.key, KeysWithDefaults(option).front().second, 0,
      [&](const std::string& text) {
        controls.setComboIndex(option.combo, numberFromText(text));
        return 0;
      },
      bad);
  if (bad.size() != before) controls.setComboIndex(option.combo, option.byDefault);
}

// A sheet option's stored text; one not accepted leaves the option at its default.
void restoreSheetOption(platform::SettingsStore& store, const OptionEntry& option,
                        std::vector<BadStoredValue>& bad) {
  const auto text = readKey(store, option.key, KeysWithDefaults(option).front().second, bad);
  if (text && !option.read(*text, SheetOptionChoices()))
    bad.push_back({std::string(option.key), *text, "Invalid property value"});
}

// A key the store does not hold gives back whichever default it is asked with.
bool storeHolds(platform::SettingsStore& store, std::string_view key) {
  return readText(store, key, "") == readText(store, key, "-");
}

// The date format, clock and currency of the sheet's language where the store names none.
void applyLanguageDefaults(platform::SettingsStore& store) {
  SheetOptions& o = SheetOptionChoices();
  const LanguageDefaults d = LanguageDefaultsOf(o.language);
  if (!storeHolds(store, OptionOfFlag("--date-format")->key)) o.dateOrder = d.dateOrder;
  if (!storeHolds(store, OptionOfFlag("--clock")->key)) o.clock24 = d.clock24;
  if (!storeHolds(store, OptionOfFlag("--currency")->key)) o.currency = d.currency;
}

}  // namespace

std::vector<BadStoredValue> RestoreChoices(ChoiceControls& controls,
                                           platform::SettingsStore& store) {
  std::vector<BadStoredValue> bad;
  const QString problem = store.readProblem(q(kSettingsApp));
  if (!problem.isEmpty()) bad.push_back({"", "", problem.toStdString()});
  WriteFieldLabels();
  SheetOptionChoices() = SheetOptions{};
  for (const OptionEntry& option : OptionTable()) {
    if (isList(option.kind)) {
      restoreListIndex(controls, store, option, bad);
      continue;
    }
    if (option.kind == OptionKind::Sheet) {
      restoreSheetOption(store, option, bad);
      continue;
    }
    const std::span<bool> table = option.table();
    const auto keys = KeysWithDefaults(option);
    for (std::size_t i = 0; i < keys.size(); ++i)
      table[i] = readChoice(store, keys[i].first, keys[i].second, option.items[i].ticked,
                            truthFromText, bad);
  }
  applyLanguageDefaults(store);
  Palette() = kPaletteColours;
  ApplyChoices(controls);
  return bad;
}

bool WholeFileRefused(const std::vector<BadStoredValue>& bad) {
  return std::any_of(bad.begin(), bad.end(), [](const BadStoredValue& b) { return b.key.empty(); });
}

std::string BadStoredValuesText(const std::vector<BadStoredValue>& bad,
                                platform::SettingsStore& store) {
  std::string text;
  for (const BadStoredValue& b : bad) {
    if (b.key.empty()) return b.reason;  // the whole file: no key was read from it
    if (!text.empty()) text += "; ";
    text += b.reason + ": " + b.key;
    if (b.reason != kNotText) text += "=" + spreadsheet::io::shownValueText(b.text);
  }
  const std::string file = store.location(q(kSettingsApp)).toStdString();
  return text + " in " + (file.empty() ? std::string("the settings store") : file);
}

void LoadChoices(ChoiceControls& controls, platform::SettingsStore& store) {
  const std::vector<BadStoredValue> bad = RestoreChoices(controls, store);
  if (bad.empty()) return;
  // The window shows the defaults in place of what could not be read.
  std::string text = BadStoredValuesText(bad, store);
  if (!WholeFileRefused(bad)) text += " (the default is used instead)";
  throw ChoiceError(text);
}

void LoadChoices(ChoiceControls& controls) {
  LoadChoices(controls, platform::settingsStore());
}

void StoreChoices(const ChoiceControls& controls, platform::SettingsStore& store) {
  for (const auto& [key, value] : ChoiceStoreEntries(controls))
    store.write(q(kSettingsApp), q(kSettingsSection), QString::fromStdString(key),
                QString::fromStdString(value));
}

void StoreChoices(const ChoiceControls& controls) {
  StoreChoices(controls, platform::settingsStore());
}

}  // namespace generator
