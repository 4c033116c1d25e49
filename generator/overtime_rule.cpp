#include "generator/overtime_rule.h"

#include <cctype>

namespace generator {

namespace {

bool allDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char ch : text)
    if (!std::isdigit(static_cast<unsigned char>(ch))) return false;
  return true;
}

}  // namespace

bool HasOvertimeRule(const SheetOptions& o) {
  return o.overtimeDaily > 0 || o.overtimeWeekly > 0;
}

std::string HundredthsText(int hundredths) {
  std::string text = std::to_string(hundredths / 100);
  const int rest = hundredths % 100;
  if (rest == 0) return text;
  text += '.' + std::to_string(rest / 10);
  if (rest % 10 != 0) text += std::to_string(rest % 10);
  return text;
}

std::optional<int> ParseHundredths(std::string_view text, HundredthsRange range) {
  const std::size_t dot = text.find('.');
  const std::string_view whole = text.substr(0, dot);
  const std::string_view decimals =
      dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
  if (!allDigits(whole) || whole.size() > 3) return std::nullopt;
  if (dot != std::string_view::npos && (!allDigits(decimals) || decimals.size() > 2))
    return std::nullopt;
  int value = 0;
  for (const char ch : whole) value = value * 10 + (ch - '0');
  value *= 100;
  if (!decimals.empty()) value += (decimals[0] - '0') * 10;
  if (decimals.size() == 2) value += decimals[1] - '0';
  if (value < range.low || value > range.high) return std::nullopt;
  return value;
}

bool ReadOvertimeRule(std::string_view text, SheetOptions& o) {
  if (text == "none") {
    o.overtimeDaily = o.overtimeWeekly = 0;
    return true;
  }
  int daily = 0;
  int weekly = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string_view part = text.substr(start, comma - start);
    const std::size_t colon = part.find(':');
    if (colon == std::string_view::npos) return false;
    const std::string_view kind = part.substr(0, colon);
    const bool isDaily = kind == "daily";
    int& limit = isDaily ? daily : weekly;
    if ((!isDaily && kind != "weekly") || limit != 0) return false;
    const auto hours =
        ParseHundredths(part.substr(colon + 1), isDaily ? kDailyLimitRange : kWeeklyLimitRange);
    if (!hours) return false;
    limit = *hours;
    start = comma + 1;
  }
  o.overtimeDaily = daily;
  o.overtimeWeekly = weekly;
  return true;
}

std::string OvertimeRuleText(const SheetOptions& o) {
  std::string text;
  if (o.overtimeDaily > 0) text = "daily:" + HundredthsText(o.overtimeDaily);
  if (o.overtimeWeekly > 0)
    text += (text.empty() ? "weekly:" : ",weekly:") + HundredthsText(o.overtimeWeekly);
  return text.empty() ? "none" : text;
}

}  // namespace generator
