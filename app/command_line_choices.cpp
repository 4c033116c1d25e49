#include "app/command_line_choices.h"

#include <algorithm>
#include <exception>

#include "generator/options.h"
#include "platform/error_text.h"
#include "platform/settings_store.h"

namespace tallyloom {

namespace {

QString q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string settingsFile(platform::SettingsStore& store) {
  const QString file = store.location(q(generator::kSettingsApp));
  return file.isEmpty() ? std::string("the settings store") : file.toStdString();
}

// The flags that replace the bad stored values: "--days, --shifts".
std::string replacingFlags(const std::vector<generator::BadStoredValue>& bad) {
  std::string flags;
  for (const generator::OptionEntry& option : generator::OptionTable()) {
    const bool replaces = std::any_of(bad.begin(), bad.end(), [&](const auto& b) {
      return generator::OptionOfKey(b.key) == &option;
    });
    if (!replaces) continue;
    if (!flags.empty()) flags += ", ";
    flags += option.flag;
  }
  return flags;
}

ResolvedChoices failure(int code, std::string message) {
  ResolvedChoices r;
  r.exitCode = code;
  r.message = std::move(message);
  return r;
}

ResolvedChoices restore(const CommandLineRequest& request) {
  platform::LayeredSettingsStore store(request.fromSettings ? &platform::settingsStore() : nullptr);
  for (const auto& [key, text] : request.choices)
    store.write(q(generator::kSettingsApp), q(generator::kSettingsSection),
                QString::fromStdString(key), QString::fromStdString(text));
  generator::ChoiceState controls;
  const std::vector<generator::BadStoredValue> bad = generator::RestoreChoices(controls, store);
  if (generator::WholeFileRefused(bad))
    return failure(1, generator::BadStoredValuesText(bad, store) + " Nothing is written.");
  if (!bad.empty())
    return failure(
        1, "the stored choices cannot be used: " + generator::BadStoredValuesText(bad, store) +
               "; nothing is written (correct the file, or give " + replacingFlags(bad) + ")");
  generator::CollectChoices(controls);
  ResolvedChoices r;
  r.choices = generator::CurrentLayoutChoices(controls);
  if (r.choices.weekIndex < 0) r.choices.weekIndex = 0;  // nothing selected: the first entry
  if (r.choices.shiftIndex < 0) r.choices.shiftIndex = 0;
  std::string problems;
  for (const std::string& p : generator::SheetOptionsProblems(r.choices.sheet))
    problems += (problems.empty() ? "" : "; ") + p;
  if (!problems.empty()) return failure(2, problems);
  // --days always names a day: too few can only come from the stored choices.
  const generator::OptionEntry& days = generator::DaysOption();
  if (!generator::TooFewChosen(days, days.flags(r.choices))) return r;
  return failure(2, "no day is chosen: every stored day (" + std::string(days.items.front().key) +
                        " to " + std::string(days.items.back().key) + ") is off in " +
                        settingsFile(store) + "; give " + std::string(days.flag) +
                        " or tick a day in the desktop program");
}

}  // namespace

ResolvedChoices resolveChoices(const CommandLineRequest& request) {
  try {
    return restore(request);
  } catch (const std::exception& e) {
    return failure(1, "the stored choices cannot be read: " + platform::failureReasonText(e));
  }
}

}  // namespace tallyloom
