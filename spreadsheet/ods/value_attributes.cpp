#include "spreadsheet/ods/value_attributes.h"

#include <charconv>
#include <chrono>
#include <cmath>

#include "spreadsheet/format/date_serial.h"
#include "spreadsheet/format/format_code.h"

namespace spreadsheet::ods {

namespace {

using format::TokenKind;

enum class Kind { Float, Date, Time };

// The first section decides, as it does for every positive number.
Kind kindOf(const std::string& numberFormat) {
  const format::FormatCode& code = format::cachedFormatCode(numberFormat);
  if (code.general || code.sections.empty() || !code.sections.front().dateTime) return Kind::Float;
  for (const format::Token& t : code.sections.front().tokens)
    if (t.kind == TokenKind::Year || t.kind == TokenKind::Month || t.kind == TokenKind::Day)
      return Kind::Date;
  return Kind::Time;
}

// At least `width` digits, zeros in front.
std::string padded(long long v, std::size_t width = 2) {
  std::string text = std::to_string(v);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

std::string dateText(long long days, long long seconds) {
  using namespace std::chrono;
  const year_month_day date{sys_days{1899y / December / 30} + std::chrono::days{days}};
  std::string text = padded(static_cast<int>(date.year()), 4) + '-' +
                     padded(static_cast<unsigned>(date.month())) + '-' +
                     padded(static_cast<unsigned>(date.day()));
  if (seconds == 0) return text;
  return text + 'T' + padded(seconds / 3600) + ':' + padded(seconds / 60 % 60) + ':' +
         padded(seconds % 60);
}

std::string durationText(long long seconds) {
  return "PT" + padded(seconds / 3600) + 'H' + padded(seconds / 60 % 60) + 'M' +
         padded(seconds % 60) + 'S';
}

}  // namespace

std::string numberText(double v) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
  return std::string(buffer, result.ptr);
}

StoredNumber storedNumber(double value, const std::string& numberFormat) {
  StoredNumber plain{"float", "value", numberText(value)};
  const Kind kind = kindOf(numberFormat);
  if (kind == Kind::Float || !(value >= 0) || value > format::kLastSerialDay + 1) return plain;
  const double seconds = value * 86400;
  const double whole = std::round(seconds);
  if (std::abs(seconds - whole) > 1e-6) return plain;
  const auto total = static_cast<long long>(whole);
  if (kind == Kind::Time) return {"time", "time-value", durationText(total)};
  return {"date", "date-value", dateText(total / 86400, total % 86400)};
}

}  // namespace spreadsheet::ods
