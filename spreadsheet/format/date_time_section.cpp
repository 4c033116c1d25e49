#include "spreadsheet/format/date_time_section.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "spreadsheet/format/date_serial.h"

namespace spreadsheet::format {

namespace {

const std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
const std::array<const char*, 7> kDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};

std::string padded(long long n, int width) {
  std::string s = std::to_string(n);
  if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), '0');
  return s;
}

// The parts of a serial date-time after rounding.
struct Moment {
  long day = 0;
  long long seconds = 0;  // of the day
  long long subUnits = 0;
  CivilDate date{};
  bool twelveHour = false;

  int hour() const { return static_cast<int>(seconds / 3600); }
  int minute() const { return static_cast<int>(seconds / 60 % 60); }
  int second() const { return static_cast<int>(seconds % 60); }
};

std::string monthText(const Moment& m, int width) {
  const std::string name = kMonths[m.date.month - 1];
  if (width <= 2) return padded(m.date.month, width);
  if (width == 3) return name.substr(0, 3);
  if (width == 5) return name.substr(0, 1);
  return name;
}

std::string dayText(const Moment& m, int width) {
  if (width <= 2) return padded(m.date.day, width);
  const std::string name = kDays[m.date.weekday];
  return width == 3 ? name.substr(0, 3) : name;
}

std::string hourText(const Moment& m, int width) {
  int h = m.hour();
  if (m.twelveHour) h = h % 12 == 0 ? 12 : h % 12;
  return padded(h, std::min(width, 2));
}

std::string amPmText(const Moment& m, const std::string& code) {
  bool pm = m.hour() >= 12;
  // "am/pm" in any case shows "AM"/"PM"; "a/p" keeps the letter case it is written in.
  if (code.size() == 5) return pm ? "PM" : "AM";
  return std::string(1, pm ? code[2] : code[0]);
}

std::string tokenText(const Token& t, const Moment& m, int subWidth) {
  long long totalSeconds = static_cast<long long>(m.day) * 86400 + m.seconds;
  switch (t.kind) {
    case TokenKind::Year:
      return t.width <= 2 ? padded(m.date.year % 100, 2) : padded(m.date.year, 4);
    case TokenKind::Month:
      return monthText(m, t.width);
    case TokenKind::Day:
      return dayText(m, t.width);
    case TokenKind::Hour:
      return hourText(m, t.width);
    case TokenKind::Minute:
      return padded(m.minute(), std::min(t.width, 2));
    case TokenKind::Second:
      return padded(m.second(), std::min(t.width, 2));
    case TokenKind::SubSecond: {
      std::string digits = padded(m.subUnits, subWidth);
      return "." + digits.substr(0, t.width);
    }
    case TokenKind::AmPm:
      return amPmText(m, t.text);
    case TokenKind::ElapsedHours:
      return padded(totalSeconds / 3600, t.width);
    case TokenKind::ElapsedMinutes:
      return padded(totalSeconds / 60, t.width);
    case TokenKind::ElapsedSeconds:
      return padded(totalSeconds, t.width);
    default:
      return {};
  }
}

}  // namespace

bool renderDateTime(const Section& section, double serial, SectionOutput& out) {
  if (!std::isfinite(serial) || serial < 0 || serial >= kLastSerialDay + 1.0) return false;
  int subWidth = 0;
  for (const Token& t : section.tokens) {
    if (t.kind == TokenKind::SubSecond) subWidth = std::max(subWidth, t.width);
  }
  long long subPerSecond = 1;
  for (int k = 0; k < subWidth; ++k) subPerSecond *= 10;
  const long long unitsPerDay = 86400 * subPerSecond;

  Moment m;
  double whole = std::floor(serial);
  m.day = static_cast<long>(whole);
  long long units = std::llround((serial - whole) * static_cast<double>(unitsPerDay));
  if (units >= unitsPerDay) ++m.day, units -= unitsPerDay;
  if (m.day > kLastSerialDay) return false;
  m.seconds = units / subPerSecond;
  m.subUnits = units % subPerSecond;
  m.date = dateOfSerial(m.day);
  for (const Token& t : section.tokens) m.twelveHour = m.twelveHour || t.kind == TokenKind::AmPm;

  for (const Token& t : section.tokens) {
    if (!out.literalOrFill(t)) out.text += tokenText(t, m, subWidth);
  }
  return true;
}

}  // namespace spreadsheet::format
